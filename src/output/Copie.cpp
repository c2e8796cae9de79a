#include "output/Copie.h"

#include "output/Grille.h"
#include "platform/Prompter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vedo {

namespace {
enum ElementMenucop { cop001, Cop002, cop003 };
enum ElementCop003 { cop0031, cop0032 };

// "Copier le tableau" opens its own pop-up at the same place.
void copierTableau(Prompter& prompter, QWidget* parent, const QPoint& position, const Vues& vues) {
    const QStringList sousMenu = {QStringLiteral("Copier le contenu du tableau"),
                                  QStringLiteral("Copier une image du tableau")};
    switch (prompter.menu(parent, sousMenu, position)) {
    case cop0031:
        copierContenuTableau(*vues.tableau);
        break;
    case cop0032:
        copierImageTableau(*vues.tableau, vues.enTetesTableau);
        break;
    default:
        break;
    }
}
} // namespace

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

void copierImageTableau(const QTableWidget& grille, const QStringList& enTetes) {
    copierImage(imageGrille(grille, enTetes).image);
}

QString copier(Prompter& prompter, QWidget* parent, const QPoint& position, const Vues& vues) {
    const QStringList menucop = {QStringLiteral("Copier l'animation"), QStringLiteral("Copier le graphe"),
                                 QStringLiteral("Copier le tableau")};
    const QList<bool> actifs = {!vues.animation.isNull(), !vues.graphe.isNull(), vues.tableau != nullptr};
    switch (prompter.menu(parent, menucop, position, actifs)) {
    case cop001:
        copierImage(vues.animation);
        break;
    case Cop002:
        copierImage(vues.graphe);
        break;
    case cop003:
        if (vues.tableau) copierTableau(prompter, parent, position, vues);
        break;
    default:
        break;
    }
    return messageCopie();
}

} // namespace vedo
