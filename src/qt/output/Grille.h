#pragma once
// The picture of the grid of the table of values: all its cells, rows
// scrolled out of sight included.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;

namespace vedo {

// The captions above the columns, as the window's header labels show them:
// one per column, a leading line break putting it on its second line, and
// `titre` on a line of its own over the columns `premiere` to `derniere`.
struct EnTeteGrille {
    QStringList colonnes;
    QString titre{};
    int premiere = 0;
    int derniere = -1;
};

struct ImageGrille {
    QImage image;
    int hauteurEnTete = 0; // pixels of the header row at the top, 0 without one
    QList<int> finsLignes; // y just below each row, in pixels of the image
};

// The picture of every cell at the grid's column widths and row heights,
// below a header of `enTete` (or of the grid's own visible header), each
// caption whole and wrapped in its column.
ImageGrille imageGrille(const QTableWidget& grille, const EnTeteGrille& enTete = {});

} // namespace vedo
