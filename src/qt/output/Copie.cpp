#include "output/Copie.h"

#include "output/Exportation.h"
#include "output/Grille.h"
#include "platform/Prompter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vedo {

void copierImage(const QImage& image) {
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setImage(image);
}

void copierImageTableau(const QTableWidget& grille, const EnTeteGrille& enTete) {
    copierImage(imageGrille(grille, enTete).image);
}

CopiesPossibles copiesPossibles(const Vues& vues) {
    return {!vues.animation.isNull(), !vues.graphe.isNull(), vues.tableau != nullptr, vues.dessinGraphe != nullptr,
            !vues.tableauCsv.isEmpty()};
}

void copier(ChoixCopie choix, Prompter& prompter, QWidget* parent, const Vues& vues, Exportation& exportation) {
    switch (choix) {
    case cop001:
        copierImage(vues.animation);
        break;
    case Cop002:
        copierImage(vues.graphe);
        break;
    case cop0032:
        if (vues.tableau) copierImageTableau(*vues.tableau, vues.enTeteTableau);
        break;
    case copEnregistrerGraphe:
        exportation.enregistrerGraphe(prompter, parent, vues);
        break;
    case copEnregistrerTableau:
        exportation.enregistrerTableau(prompter, parent, vues);
        break;
    case cop0031:
        break;
    }
}

} // namespace vedo
