#pragma once
// A grid of known geometry whose cells read "row;column".

#include <QHeaderView>
#include <QTableWidget>

#include <memory>

inline std::unique_ptr<QTableWidget> grilleEssai(int lignes, int colonnes, int hauteurLigne = 16,
                                                 int largeurColonne = 60) {
    auto grille = std::make_unique<QTableWidget>(lignes, colonnes);
    grille->horizontalHeader()->hide();
    grille->verticalHeader()->hide();
    grille->verticalHeader()->setMinimumSectionSize(1);
    grille->verticalHeader()->setDefaultSectionSize(hauteurLigne);
    for (int c = 0; c < colonnes; ++c)
        grille->setColumnWidth(c, largeurColonne);
    for (int r = 0; r < lignes; ++r)
        for (int c = 0; c < colonnes; ++c)
            grille->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1;%2").arg(r).arg(c)));
    return grille;
}
