#pragma once
// What "État final" computes for a configuration, without a window and
// without drawing: the run as it starts, and the table of values.

#include "engine/RunLoop.h"
#include "records/Configuration.h"
#include "view/GraphScale.h"
#include "view/TableauValeurs.h"

#include <array>
#include <optional>

namespace vedo::cli {

struct DepartEtatFinal {
    Quantites n{};                                // the amounts the run starts from
    std::array<std::optional<double>, 4> departs; // those the boxes hold as numbers
    CourbesAffichees affichees{};
    PlotMapping echelle;    // as the graph picture takes it
    ParametresRun run;      // the table filled, which sets the steps
    TableauValeurs tableau; // headers and row 0 written
};

DepartEtatFinal departEtatFinal(const Configuration& c);

TableauValeurs tableauEtatFinal(const Configuration& c);

} // namespace vedo::cli
