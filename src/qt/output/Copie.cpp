#include "output/Copie.h"

#include "output/Exportation.h"
#include "output/Grille.h"
#include "platform/Prompter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vedo {

QString messageCopie() {
    return QStringLiteral(
        "L'image est copiée : vous pouvez la retrouver depuis toute application Windows (coller)");
}

void copierImage(const QImage& image) {
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setImage(image);
}

void copierContenuTableau(const QTableWidget& grille) {
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setText(texteGrille(grille));
}

void copierImageTableau(const QTableWidget& grille, const EnTeteGrille& enTete) {
    copierImage(imageGrille(grille, enTete).image);
}

QString copier(Prompter& prompter, QWidget* parent, const QPoint& position, const Vues& vues,
               Exportation& exportation) {
    const ElementsMenu menucop = {
        elementMenu("Copier l'animation", cop001, !vues.animation.isNull()),
        elementMenu("Copier le graphe", Cop002, !vues.graphe.isNull()),
        sousMenu("Copier le tableau",
                 {elementMenu("Copier le contenu du tableau", cop0031),
                  elementMenu("Copier une image du tableau", cop0032)},
                 vues.tableau != nullptr),
        ElementMenu{},
        elementMenu("Enregistrer le graphe…", copEnregistrerGraphe, vues.dessinGraphe != nullptr),
        elementMenu("Enregistrer le tableau…", copEnregistrerTableau, !vues.tableauCsv.isEmpty()),
    };
    switch (prompter.menu(parent, menucop, position)) {
    case cop001:
        copierImage(vues.animation);
        break;
    case Cop002:
        copierImage(vues.graphe);
        break;
    case cop0031:
        if (vues.tableau) copierContenuTableau(*vues.tableau);
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
    default:
        break;
    }
    return messageCopie();
}

} // namespace vedo
