#include "output/Grille.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QPainter>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>

namespace vedo {

namespace {
const QColor fondEnTete(240, 235, 230); // the back colour of the window's header labels
const QColor traitGrille(192, 192, 192);
constexpr int marge = 3;
// The window's labels use their whole width; a pixel is left each side here
// for the grid's lines.
constexpr int margeLegende = 1;
constexpr int formatEnTete = Qt::AlignCenter | Qt::TextWordWrap;

EnTeteGrille enTeteAffiche(const QTableWidget& grille, const EnTeteGrille& enTete) {
    EnTeteGrille affiche = enTete;
    if (affiche.colonnes.isEmpty() && grille.horizontalHeader()->isVisibleTo(&grille))
        for (int c = 0; c < grille.columnCount(); ++c)
            affiche.colonnes << grille.model()->headerData(c, Qt::Horizontal).toString();
    for (QString& legende : affiche.colonnes)
        legende.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (affiche.titre.isEmpty() || affiche.premiere > affiche.derniere || affiche.premiere < 0 ||
        affiche.derniere >= grille.columnCount())
        affiche.titre.clear();
    return affiche;
}

// The grid's font as the screen shows it: painted on an image, a family
// such as "Arial" may be matched to another font than on the screen.
QFont policeEcran(const QTableWidget& grille) {
    QFont police = grille.font();
    police.setFamilies({QFontInfo(police).family()});
    return police;
}

// Text measured as the picture draws it.
QFontMetrics mesureImage(const QFont& police) {
    static QImage appareil(1, 1, QImage::Format_RGB32);
    QPainter p(&appareil);
    p.setFont(police);
    return p.fontMetrics();
}

bool sousLeTitre(const EnTeteGrille& enTete, int colonne) {
    return !enTete.titre.isEmpty() && colonne >= enTete.premiere && colonne <= enTete.derniere;
}

// The columns are sized for the window's font as designed; with a wider
// one, a caption whose words do not fit is drawn smaller rather than cut.
QFont policeQuiTient(const QFont& police, const QStringList& morceaux, int largeur) {
    QFont reduite = police;
    for (;;) {
        const QFontMetrics mesure = mesureImage(reduite);
        int plusLarge = 0;
        for (const QString& morceau : morceaux)
            plusLarge = std::max(plusLarge, mesure.horizontalAdvance(morceau));
        if (plusLarge <= largeur) return reduite;
        if (reduite.pixelSize() > 6)
            reduite.setPixelSize(reduite.pixelSize() - 1);
        else if (reduite.pixelSize() < 0 && reduite.pointSizeF() > 4.5)
            reduite.setPointSizeF(reduite.pointSizeF() - 0.5);
        else
            return reduite;
    }
}

struct PolicesEnTete {
    QFont grille; // the grid's font as the screen shows it
    QFont titre;
    QList<QFont> colonnes;
};

PolicesEnTete policesEnTete(const QTableWidget& grille, const EnTeteGrille& enTete, const QList<int>& debuts) {
    const QFont police = policeEcran(grille);
    PolicesEnTete polices{police, police, {}};
    if (!enTete.titre.isEmpty())
        polices.titre = policeQuiTient(police, {enTete.titre},
                                       debuts[enTete.derniere + 1] - debuts[enTete.premiere] - 2 * margeLegende);
    for (int c = 0; c < std::min(static_cast<int>(enTete.colonnes.size()), grille.columnCount()); ++c)
        polices.colonnes << policeQuiTient(police,
                                           enTete.colonnes[c].split(QRegularExpression(QStringLiteral("\\s+")),
                                                                    Qt::SkipEmptyParts),
                                           debuts[c + 1] - debuts[c] - 2 * margeLegende);
    return polices;
}

int hauteurTitre(const PolicesEnTete& polices, const EnTeteGrille& enTete) {
    return enTete.titre.isEmpty() ? 0 : mesureImage(polices.titre).height() + 2;
}

// The tallest column: its caption wrapped in the column, below the title
// when it stands under it.
int hauteurEnTete(const EnTeteGrille& enTete, const PolicesEnTete& polices, const QList<int>& debuts) {
    if (enTete.colonnes.isEmpty() && enTete.titre.isEmpty()) return 0;
    int hauteur = mesureImage(polices.grille).height();
    for (int c = 0; c < polices.colonnes.size(); ++c) {
        const QRect place(0, 0, std::max(1, debuts[c + 1] - debuts[c] - 2 * margeLegende), 10000);
        const int legende =
            mesureImage(polices.colonnes[c]).boundingRect(place, formatEnTete, enTete.colonnes[c]).height();
        hauteur = std::max(hauteur, legende + (sousLeTitre(enTete, c) ? hauteurTitre(polices, enTete) : 0));
    }
    return hauteur + 2 * marge;
}

Qt::Alignment alignement(const QTableWidgetItem* cellule) {
    const auto a = Qt::Alignment::fromInt(cellule->textAlignment());
    return a == Qt::Alignment() ? Qt::AlignLeft | Qt::AlignVCenter : a;
}
} // namespace

ImageGrille imageGrille(const QTableWidget& grille, const EnTeteGrille& enTeteDonne) {
    const EnTeteGrille enTete = enTeteAffiche(grille, enTeteDonne);
    QList<int> debutsColonnes;
    int largeur = 0;
    for (int c = 0; c < grille.columnCount(); ++c) {
        debutsColonnes << largeur;
        largeur += grille.isColumnHidden(c) ? 0 : grille.columnWidth(c);
    }
    debutsColonnes << largeur;
    const PolicesEnTete polices = policesEnTete(grille, enTete, debutsColonnes);
    ImageGrille resultat;
    resultat.hauteurEnTete = hauteurEnTete(enTete, polices, debutsColonnes);
    const int hautTitre = hauteurTitre(polices, enTete);
    int hauteur = resultat.hauteurEnTete;
    for (int r = 0; r < grille.rowCount(); ++r) {
        hauteur += grille.isRowHidden(r) ? 0 : grille.rowHeight(r);
        resultat.finsLignes << hauteur;
    }

    // One more pixel each way for the closing lines on the right and at the bottom.
    resultat.image = QImage(largeur + 1, hauteur + 1, QImage::Format_RGB32);
    resultat.image.fill(Qt::white);
    QPainter p(&resultat.image);
    p.setFont(polices.grille);

    if (resultat.hauteurEnTete > 0) {
        p.fillRect(0, 0, largeur, resultat.hauteurEnTete, fondEnTete);
        p.setPen(Qt::black);
        if (hautTitre > 0) {
            const int gauche = debutsColonnes[enTete.premiere];
            const QRect bandeau(gauche, 0, debutsColonnes[enTete.derniere + 1] - gauche, hautTitre);
            p.setFont(polices.titre);
            p.drawText(bandeau.adjusted(margeLegende, 0, -margeLegende, 0), Qt::AlignCenter, enTete.titre);
        }
        for (int c = 0; c < polices.colonnes.size(); ++c) {
            const int haut = sousLeTitre(enTete, c) ? hautTitre : 0;
            const QRect zone(debutsColonnes[c], haut, debutsColonnes[c + 1] - debutsColonnes[c],
                             resultat.hauteurEnTete - haut);
            p.setFont(polices.colonnes[c]);
            if (zone.width() > 0)
                p.drawText(zone.adjusted(margeLegende, marge, -margeLegende, -marge), formatEnTete,
                           enTete.colonnes[c]);
        }
        p.setFont(polices.grille);
    }

    for (int c = 0; c < grille.columnCount(); ++c) {
        const int gauche = debutsColonnes[c];
        const int large = debutsColonnes[c + 1] - gauche;
        if (large == 0) continue;
        int haut = resultat.hauteurEnTete;
        for (int r = 0; r < grille.rowCount(); ++r) {
            const int fin = resultat.finsLignes[r];
            const QRect zone(gauche, haut, large, fin - haut);
            haut = fin;
            const QTableWidgetItem* cellule = grille.item(r, c);
            if (!cellule || zone.height() == 0) continue;
            if (cellule->background().style() != Qt::NoBrush) p.fillRect(zone, cellule->background());
            p.setPen(cellule->foreground().style() != Qt::NoBrush ? cellule->foreground().color()
                                                                  : QColor(Qt::black));
            p.drawText(zone.adjusted(marge, 0, -marge, 0), alignement(cellule), cellule->text());
        }
    }

    p.setPen(traitGrille);
    for (int c = 0; c <= grille.columnCount(); ++c) {
        // The title crosses the lines between the columns it stands over.
        const bool traverse = hautTitre > 0 && c > enTete.premiere && c <= enTete.derniere;
        p.drawLine(debutsColonnes[c], traverse ? hautTitre : 0, debutsColonnes[c], hauteur);
    }
    p.drawLine(0, 0, largeur, 0);
    if (hautTitre > 0)
        p.drawLine(debutsColonnes[enTete.premiere], hautTitre, debutsColonnes[enTete.derniere + 1], hautTitre);
    if (resultat.hauteurEnTete > 0) p.drawLine(0, resultat.hauteurEnTete, largeur, resultat.hauteurEnTete);
    for (int y : resultat.finsLignes)
        p.drawLine(0, y, largeur, y);
    return resultat;
}

} // namespace vedo
