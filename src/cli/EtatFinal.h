#pragma once
// What "État final" computes for a configuration, without a window: the
// table of values and the graph picture.

#include "persistence/Configuration.h"
#include "view/TableauValeurs.h"

#include <QImage>

namespace vedo::cli {

struct ResultatEtatFinal {
    TableauValeurs tableau;
    QImage graphe; // 413 x 235, as the graph picture shows it
};

ResultatEtatFinal calculerEtatFinal(const Configuration& c);

} // namespace vedo::cli
