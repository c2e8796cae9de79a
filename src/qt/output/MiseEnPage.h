#pragma once
// The page layout of the print dialog: each copy begins on a new page with
// the title at the top-left corner, then the chosen pictures centred at their
// screen size, then the table, which goes to a new page when it does not fit.
// Page coordinates are twips (1/1440 inch); a screen pixel is 15 twips.

#include "output/Grille.h"

#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

namespace vedo {

inline constexpr int twipsParPixel = 15;

// Where the pages go: the printer, or images in the tests.
class Feuilles {
public:
    virtual ~Feuilles() = default;
    // A painter whose unit is the twip, its origin at the top-left corner
    // of the printable area.
    virtual QPainter& crayon() = 0;
    // Printable width and height, in twips.
    virtual QSizeF taille() const = 0;
    virtual void nouvellePage() = 0;
};

struct Impression {
    QString titre;
    int exemplaires = 1;
    QImage animation; // null: not printed
    QImage graphe;    // null: not printed
    std::optional<ImageGrille> tableau;
};

// Lays out every copy, one after the other in the same job; the caller ends
// the document.
void imprimerCopies(Feuilles& feuilles, const Impression& impression);

} // namespace vedo
