#pragma once
// What the grid of the table of values hands out: its cells as text and a
// picture of all its cells, rows scrolled out of sight included.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;

namespace vedo {

// Cells separated by a tab, rows by a line feed; no carriage return is left,
// not even inside a cell.
QString texteGrille(const QTableWidget& grille);

struct ImageGrille {
    QImage image;
    int hauteurEnTete = 0; // pixels of the header row at the top, 0 without one
    QList<int> finsLignes; // y just below each row, in pixels of the image
};

// The picture of every cell at the grid's column widths and row heights,
// with a header row of `enTetes` (or of the grid's own visible header).
ImageGrille imageGrille(const QTableWidget& grille, const QStringList& enTetes = {});

} // namespace vedo
