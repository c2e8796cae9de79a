#include "mainwindow/Indices.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include <map>

namespace vedo {

namespace {
// Where the "Conditions" panel turns from temperature and catalyst to distillation.
constexpr int hautDistillation = 120;

const std::map<QString, QString>& indicesFixes() {
    static const std::map<QString, QString> table = {
        {"feuilleP", indiceFenetre},
        {"Command1", "Pour retrouver le module principal et quitter cette application"},
        {"Command2", "Pour retrouver une situation enregistrée"},
        {"Command4", "Copier pour placer l'image dans le presse-papiers puis coller depuis Word, Paint..."},
        {"Command6", "Effacer les courbes"},
        {"Command7", "Si vous rencontrez une difficulté avec cette application"},
        {"Command8", "Machine à calculer"},
        {"Command10", "Pour configurer l'imprimante et imprimer l'image"},
        {"Command11", "Pour conserver la configuration en cours"},
        {"Command12", "Agrandir le graphe"},
        {"Picture4", "Choisir la réaction dans la liste"},
        {"Text1", "Saisir les quantités de matière à l'état initial"},
        {"frame2", "Vous pouvez modifier les paramètres d'affichage."},
        {"Picture1", "Vous pouvez modifier les paramètres du graphe et du tableau"},
        {"option2", "Choisir les courbes représentées"},
        {"Label4", "Cliquer pour modifier la couleur d'affichage"},
        {"btexo", "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer."},
        {"animpic", "Utiliser l'onglet Conditions pour modifier les paramètres"},
        {"Picture2", "Vous pouvez lire les coordonnées d'un point et tracer la tangente à une courbe"},
    };
    return table;
}
} // namespace

QString indice(const QString& nomControle, QPoint position, const QString& infoActuel,
               const QString& messageCopie) {
    const QString nom = nomControle.section('(', 0, 0);
    if (nom == "Picture3")
        return position.y() < hautDistillation
                   ? "Vous pouvez augmenter ou diminuer la température du système ou ajouter un catalyseur"
                   : "Distillation";
    if (nom == "Command4" && !messageCopie.isEmpty() && infoActuel == messageCopie) return {};
    const auto trouve = indicesFixes().find(nom);
    return trouve == indicesFixes().end() ? QString() : trouve->second;
}

void decrireControles(QWidget* fenetre) {
    fenetre->setAccessibleDescription(indice(fenetre->objectName(), {}, {}, {}));
    for (QWidget* controle : fenetre->findChildren<QWidget*>()) {
        if (controle->objectName().isEmpty() || controle->objectName().startsWith("qt_")) continue;
        // A control without a hint of its own takes the hint of the panel
        // under it, where it lies.
        for (const QWidget* w = controle; w && w != fenetre; w = w->parentWidget()) {
            const QString texte = indice(w->objectName(), controle->mapTo(w, QPoint(0, 0)), {}, {});
            if (texte.isNull()) continue;
            controle->setAccessibleDescription(texte);
            break;
        }
    }
}

SurvolIndices::SurvolIndices(QLabel* info, const QString& messageCopie, QObject* parent)
    : QObject(parent), info_(info), messageCopie_(messageCopie) {}

void SurvolIndices::surveiller(QWidget* controle) {
    controle->setMouseTracking(true);
    controle->installEventFilter(this);
}

bool SurvolIndices::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    auto* controle = static_cast<QWidget*>(objet);
    const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
    // A move passed on from a child belongs to the child, which has its own hint or none.
    if (controle->childAt(position)) return false;
    const QString texte = indice(controle->objectName(), position, info_->text(), messageCopie_);
    if (!texte.isNull()) info_->setText(texte);
    return false;
}

} // namespace vedo
