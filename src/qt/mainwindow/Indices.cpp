#include "mainwindow/Indices.h"

#include "presentation/TableControles.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>


namespace vedo {

QString indice(const QString& nomControle, QPoint position, const QString& infoActuel,
               const QString& messageCopie) {
    const auto texte = indiceControle(nomControle.toStdString(), position.y(), infoActuel.toStdString(),
                                      messageCopie.toStdString());
    return texte ? QString::fromStdString(*texte) : QString();
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
