#include "output/MiseEnPage.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vedo {

namespace {
// Sizes in twips: a point is 20 twips.
QFont policeArial(int points, bool gras) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(points * 20);
    police.setBold(gras);
    return police;
}

QRectF aTailleEcran(double x, double y, const QImage& image) {
    return {x, y, static_cast<double>(image.width()) * twipsParPixel,
            static_cast<double>(image.height()) * twipsParPixel};
}

void imprimerCentree(Feuilles& feuilles, const QImage& image, double y) {
    const double x = (feuilles.taille().width() - image.width() * twipsParPixel) / 2;
    feuilles.crayon().drawImage(aTailleEcran(x, y, image), image);
}

// The table at a tenth of the page width with its left line. It moves to a
// new page when it does not fit below what is printed already; a table
// taller than a whole page goes on over the next pages, its header row
// repeated, so that no row is lost.
void imprimerTableau(Feuilles& feuilles, const ImageGrille& tableau, double y) {
    const QSizeF page = feuilles.taille();
    const double hautDePage = page.height() / 20;
    const double x = page.width() / 10;
    const QImage& image = tableau.image;
    const auto lignes = static_cast<int>(tableau.finsLignes.size());

    if (y + image.height() * twipsParPixel > page.height()) {
        feuilles.nouvellePage();
        y = hautDePage;
    }
    int premiere = 0;
    for (;;) {
        const int debut = premiere == 0 ? tableau.hauteurEnTete : tableau.finsLignes[premiere - 1];
        // The closing line below the last row takes one pixel more.
        const double place = (page.height() - y) / twipsParPixel - tableau.hauteurEnTete - 1;
        int derniere = premiere;
        while (derniere < lignes && (derniere == premiere || tableau.finsLignes[derniere] - debut <= place))
            ++derniere;
        const int fin = derniere == 0 ? tableau.hauteurEnTete : tableau.finsLignes[derniere - 1];

        QPainter& p = feuilles.crayon();
        const QImage enTete = image.copy(0, 0, image.width(), tableau.hauteurEnTete);
        const QImage rangees = image.copy(0, debut, image.width(), fin + 1 - debut);
        if (!enTete.isNull()) p.drawImage(aTailleEcran(x, y, enTete), enTete);
        p.drawImage(aTailleEcran(x, y + enTete.height() * twipsParPixel, rangees), rangees);
        const double bas = y + (enTete.height() + rangees.height()) * twipsParPixel;
        p.setPen(QPen(Qt::black, twipsParPixel));
        p.drawLine(QPointF(x, y), QPointF(x, bas));

        if (derniere >= lignes) break;
        feuilles.nouvellePage();
        y = hautDePage;
        premiere = derniere;
    }
}
} // namespace

void imprimerCopies(Feuilles& feuilles, const Impression& impression) {
    const QFont titre = policeArial(12, true);
    const QFont texte = policeArial(10, false);
    const double ligneTitre = QFontMetricsF(titre).height();
    const double ligneVide = QFontMetricsF(texte).height();

    for (int copie = 1; copie <= impression.exemplaires; ++copie) {
        const QSizeF page = feuilles.taille();
        QPainter& p = feuilles.crayon();
        p.setPen(Qt::black);
        p.setFont(titre);
        p.drawText(QRectF(0, 0, page.width(), ligneTitre), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   impression.titre);
        p.setFont(texte);
        // The print position: below the title and one empty line.
        double position = ligneTitre + ligneVide;

        double y = page.height() / 20;
        for (const QImage* image : {&impression.animation, &impression.graphe}) {
            if (image->isNull()) continue;
            imprimerCentree(feuilles, *image, y);
            position = y + image->height() * twipsParPixel + 2 * ligneVide;
            y = position;
        }
        if (impression.tableau) imprimerTableau(feuilles, *impression.tableau, position);

        if (copie < impression.exemplaires) feuilles.nouvellePage();
    }
}

} // namespace vedo
