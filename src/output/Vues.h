#pragma once
// What the main window hands over to be printed or copied: its pictures as
// they stand on screen and its table of values. Nothing is recomputed.

#include <QImage>
#include <QStringList>

class QTableWidget;

namespace vedo {

struct Vues {
    QImage animation;                      // the apparatus picture `animpic`
    QImage graphe;                         // the graph picture `Picture2`
    const QTableWidget* tableau = nullptr; // `MSFlexGrid1`
    // Captions drawn above the table's columns on its picture (the header
    // labels of the window); empty: the grid's own header when it shows one.
    QStringList enTetesTableau;
};

} // namespace vedo
