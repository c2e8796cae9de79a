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

QStringList enTetesAffiches(const QTableWidget& grille, const QStringList& enTetes) {
    if (!enTetes.isEmpty()) return enTetes;
    QStringList propres;
    if (!grille.horizontalHeader()->isVisibleTo(&grille)) return propres;
    for (int c = 0; c < grille.columnCount(); ++c)
        propres << grille.model()->headerData(c, Qt::Horizontal).toString();
    return propres;
}

constexpr int formatEnTete = Qt::AlignCenter | Qt::TextWordWrap;

// The tallest caption, wrapped in its column.
int hauteurEnTete(const QTableWidget& grille, const QStringList& enTetes) {
    if (enTetes.isEmpty()) return 0;
    const QFontMetrics mesure(grille.font());
    int hauteur = mesure.height();
    for (int c = 0; c < std::min(static_cast<int>(enTetes.size()), grille.columnCount()); ++c) {
        const QRect place(0, 0, std::max(1, grille.columnWidth(c) - 2 * marge), 10000);
        hauteur = std::max(hauteur, mesure.boundingRect(place, formatEnTete, enTetes[c]).height());
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
    QString texte = lignes.join('\n');
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texte.replace('\r', '\n');
    return texte;
}

ImageGrille imageGrille(const QTableWidget& grille, const QStringList& enTetes) {
    QStringList titres = enTetesAffiches(grille, enTetes);
    // The window's labels start some captions on a second line; the picture
    // centres them instead.
    for (QString& titre : titres)
        titre = titre.replace(QLatin1String("\r\n"), QLatin1String("\n")).trimmed();

    ImageGrille resultat;
    resultat.hauteurEnTete = hauteurEnTete(grille, titres);
    QList<int> debutsColonnes;
    int largeur = 0;
    for (int c = 0; c < grille.columnCount(); ++c) {
        debutsColonnes << largeur;
        largeur += grille.isColumnHidden(c) ? 0 : grille.columnWidth(c);
    }
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

    for (int c = 0; c < grille.columnCount(); ++c) {
        const int gauche = debutsColonnes[c];
        const int large = grille.isColumnHidden(c) ? 0 : grille.columnWidth(c);
        if (large == 0) continue;
        if (resultat.hauteurEnTete > 0) {
            const QRect zone(gauche, 0, large, resultat.hauteurEnTete);
            p.fillRect(zone, fondEnTete);
            p.setPen(Qt::black);
            if (c < titres.size())
                p.drawText(zone.adjusted(marge, marge, -marge, -marge), formatEnTete, titres[c]);
        }
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
    for (int x : debutsColonnes)
        p.drawLine(x, 0, x, hauteur);
    p.drawLine(largeur, 0, largeur, hauteur);
    p.drawLine(0, 0, largeur, 0);
    if (resultat.hauteurEnTete > 0) p.drawLine(0, resultat.hauteurEnTete, largeur, resultat.hauteurEnTete);
    for (int y : resultat.finsLignes)
        p.drawLine(0, y, largeur, y);
    return resultat;
}

} // namespace vedo
