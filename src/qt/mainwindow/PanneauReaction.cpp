#include "mainwindow/PanneauReaction.h"

#include "engine/Reaction.h"
#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/LiaisonReglages.h"

namespace vedo {

namespace {
// Printed on the panel; the controls beside them take them as names.
const char* const texteReactifs = "Réactifs :";
const char* const texteClasse = "Classe de l'alcool :";
const char* const texteUnite = "n (mol)  ";
} // namespace

PanneauReaction::PanneauReaction(LiaisonReglages& liaison, QWidget* parent) : Panneau("Picture4", parent) {
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setGeometry(96, 32, 177, 22);
    nommer(Combo1, texteReactifs);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName("Combo2");
    Combo2->setGeometry(152, 64, 121, 22);
    nommer(Combo2, texteClasse);
    const std::array<int, 4> gauches = {80, 152, 248, 320};
    const std::array<const char*, 4> textes = {"0,1", "0,1", "0", "0"};
    for (int k = 0; k < 4; ++k) {
        Text1[k] = new QLineEdit(textes[k], this);
        Text1[k]->setObjectName(QString("Text1(%1)").arg(k));
        Text1[k]->setGeometry(gauches[k], 144, 65, 19);
    }
    liaison.lier(6, Combo1);
    liaison.lier(7, Combo2);
    for (int k = 0; k < 4; ++k)
        liaison.lier(2 + k, Text1[k]);
    nommerQuantites();
    connect(Combo1, &QComboBox::currentIndexChanged, this, &PanneauReaction::nommerQuantites);
}

void PanneauReaction::nommerQuantites() {
    const auto& noms = nomsEspeces(Combo1->currentIndex());
    for (int k = 0; k < 4; ++k)
        Text1[k]->setAccessibleName(QString(texteUnite).trimmed() + ' ' +
                                    QString::fromStdString(noms[k]).toLower());
}

void PanneauReaction::dessiner() {
    commencerDessin(true);
    placer(18, 36);
    imprimer(texteReactifs);
    setCourantY(courantY() + 4);
    imprimer("");
    const int reaction = Combo1->currentIndex();
    if (reaction == 0 || reaction == 2) {
        setCourantX(18);
        imprimer(texteClasse);
        Combo2->show();
    } else {
        imprimer("");
        Combo2->hide();
    }
    setCourantY(courantY() + 4);
    imprimer("");
    setCourantX(18);
    imprimer("État initial");
    setGras(false);

    // Each species name is printed one word a line, centred on its box.
    const auto& noms = nomsEspeces(reaction);
    for (int k = 0; k < 4; ++k) {
        const QRect boite = Text1[k]->geometry();
        const QStringList mots = QString::fromStdString(noms[k]).split(' ', Qt::SkipEmptyParts).mid(0, 2);
        setEncre(couleurEspece ? couleurEspece(k) : couleurs::courbes[k]);
        const std::array<int, 2> hauts =
            mots.size() == 1 ? std::array<int, 2>{21, 0} : std::array<int, 2>{27, 15};
        for (int m = 0; m < mots.size(); ++m) {
            placer(boite.left() + (boite.width() - largeurTexte(mots[m])) / 2, boite.top() - hauts[m]);
            imprimer(mots[m], false);
        }
    }

    setEncre(couleurs::noir);
    const int ligneSignes = Text1[0]->y() - 21;
    placer(Text1[1]->x() - 6, ligneSignes);
    imprimer("+", false);
    placer(Text1[2]->x() - 20, ligneSignes);
    imprimer("=", false);
    placer(Text1[3]->x() - 6, ligneSignes);
    imprimer("+", false);

    placer(Text1[0]->x() - largeurTexte(texteUnite), Text1[0]->y() + 3);
    setItalique(true);
    imprimer("n", false);
    setItalique(false);
    imprimer(" (mol)");
}

} // namespace vedo
