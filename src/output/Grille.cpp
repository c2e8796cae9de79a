#include "output/Grille.h"

#include <QHeaderView>
#include <QPainter>
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

bool sousLeTitre(const EnTeteGrille& enTete, int colonne) {
    return !enTete.titre.isEmpty() && colonne >= enTete.premiere && colonne <= enTete.derniere;
}

int hauteurTitre(const QFontMetrics& mesure, const EnTeteGrille& enTete) {
    return enTete.titre.isEmpty() ? 0 : mesure.height() + 2;
}

// The tallest column: its caption wrapped in the column, below the title
// when it stands under it.
int hauteurEnTete(const QTableWidget& grille, const EnTeteGrille& enTete) {
    if (enTete.colonnes.isEmpty() && enTete.titre.isEmpty()) return 0;
    const QFontMetrics mesure(grille.font());
    int hauteur = mesure.height();
    for (int c = 0; c < std::min(static_cast<int>(enTete.colonnes.size()), grille.columnCount()); ++c) {
        const QRect place(0, 0, std::max(1, grille.columnWidth(c) - 2 * margeLegende), 10000);
        const int legende = mesure.boundingRect(place, formatEnTete, enTete.colonnes[c]).height();
        hauteur = std::max(hauteur, legende + (sousLeTitre(enTete, c) ? hauteurTitre(mesure, enTete) : 0));
    }
    return hauteur + 2 * marge;
}

Qt::Alignment alignement(const QTableWidgetItem* cellule) {
    const auto a = Qt::Alignment::fromInt(cellule->textAlignment());
    return a == Qt::Alignment() ? Qt::AlignLeft | Qt::AlignVCenter : a;
}
} // namespace

QString texteGrille(const QTableWidget& grille) {
    QStringList lignes;
    for (int r = 0; r < grille.rowCount(); ++r) {
        QStringList cellules;
        for (int c = 0; c < grille.columnCount(); ++c) {
            const QTableWidgetItem* cellule = grille.item(r, c);
            cellules << (cellule ? cellule->text() : QString());
        }
        lignes << cellules.join('\t');
    }
    // Each carriage return becomes a line feed in place: the text keeps its
    // length, so a cell's CR LF gives two line feeds.
    QString texte = lignes.join('\n');
    texte.replace('\r', '\n');
    return texte;
}

ImageGrille imageGrille(const QTableWidget& grille, const EnTeteGrille& enTeteDonne) {
    const EnTeteGrille enTete = enTeteAffiche(grille, enTeteDonne);
    ImageGrille resultat;
    resultat.hauteurEnTete = hauteurEnTete(grille, enTete);
    const int hautTitre = hauteurTitre(QFontMetrics(grille.font()), enTete);
    QList<int> debutsColonnes;
    int largeur = 0;
    for (int c = 0; c < grille.columnCount(); ++c) {
        debutsColonnes << largeur;
        largeur += grille.isColumnHidden(c) ? 0 : grille.columnWidth(c);
    }
    debutsColonnes << largeur;
    int hauteur = resultat.hauteurEnTete;
    for (int r = 0; r < grille.rowCount(); ++r) {
        hauteur += grille.isRowHidden(r) ? 0 : grille.rowHeight(r);
        resultat.finsLignes << hauteur;
    }

    // One more pixel each way for the closing lines on the right and at the bottom.
    resultat.image = QImage(largeur + 1, hauteur + 1, QImage::Format_RGB32);
    resultat.image.fill(Qt::white);
    QPainter p(&resultat.image);
    p.setFont(grille.font());

    if (resultat.hauteurEnTete > 0) {
        p.fillRect(0, 0, largeur, resultat.hauteurEnTete, fondEnTete);
        p.setPen(Qt::black);
        if (hautTitre > 0) {
            const int gauche = debutsColonnes[enTete.premiere];
            const QRect bandeau(gauche, 0, debutsColonnes[enTete.derniere + 1] - gauche, hautTitre);
            p.drawText(bandeau.adjusted(margeLegende, 0, -margeLegende, 0), Qt::AlignCenter, enTete.titre);
        }
        for (int c = 0; c < std::min(static_cast<int>(enTete.colonnes.size()), grille.columnCount()); ++c) {
            const int haut = sousLeTitre(enTete, c) ? hautTitre : 0;
            const QRect zone(debutsColonnes[c], haut, debutsColonnes[c + 1] - debutsColonnes[c],
                             resultat.hauteurEnTete - haut);
            if (zone.width() > 0)
                p.drawText(zone.adjusted(margeLegende, marge, -margeLegende, -marge), formatEnTete,
                           enTete.colonnes[c]);
        }
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
