#pragma once
// What the main window hands over to be printed, copied or saved: its
// pictures as they stand on screen and its table of values. Nothing is
// recomputed.

#include "output/Grille.h"

#include <QByteArray>
#include <QImage>

class QTableWidget;

namespace vedo {

class DessinGraphe;

struct Vues {
    QImage animation;                      // the apparatus picture `animpic`
    QImage graphe;                         // the graph picture `Picture2`
    const QTableWidget* tableau = nullptr; // `MSFlexGrid1`
    // The header drawn above the table's columns on its picture (the header
    // labels of the window); empty: the grid's own header when it shows one.
    EnTeteGrille enTeteTableau;

    // For the files saved from the copy menu: what the graph picture shows,
    // as it was drawn, and the screen's device pixels per pixel; the table
    // as CSV; the name of the current configuration, if any.
    const DessinGraphe* dessinGraphe = nullptr;
    qreal ratioPixels = 1.0;
    QByteArray tableauCsv{};
    QString configuration{};
};

} // namespace vedo
