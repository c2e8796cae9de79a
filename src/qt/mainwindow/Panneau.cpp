#include "mainwindow/Panneau.h"

#include "mainwindow/CouleursFenetre.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace vedo {

Panneau::Panneau(const QString& nom, QWidget* parent) : PictureBox(parent) {
    setObjectName(nom);
    setFond(couleurs::panneau);
    hide();
}

void Panneau::adopterFond(QWidget* controle) {
    QPalette palette = controle->palette();
    palette.setColor(QPalette::Window, couleurs::panneau);
    controle->setPalette(palette);
    // Buttons fill with their button colour unless told otherwise.
    controle->setBackgroundRole(QPalette::Window);
    controle->setAutoFillBackground(true);
}

void Panneau::nommer(QWidget* controle, const QString& texteImprime) {
    QString nom = texteImprime.trimmed();
    if (nom.endsWith(':')) nom = nom.chopped(1).trimmed();
    controle->setAccessibleName(nom);
    // On Linux a list is named by what it shows and labelled by the label
    // whose buddy it is: a label that is never shown carries the text.
    if (qobject_cast<QComboBox*>(controle)) {
        auto* etiquette = new QLabel(nom, controle->parentWidget());
        etiquette->hide();
        etiquette->setBuddy(controle);
    }
}

// The focus comes from the keyboard only: a click on the bar leaves it where it is.
void Panneau::clavierBarre(QScrollBar* barre) {
    barre->setFocusPolicy(Qt::TabFocus);
    barre->installEventFilter(this);
}

// A scroll bar answers the keys as the content it would scroll, the wrong
// way round for a bar that sets a value from left to right.
bool Panneau::eventFilter(QObject* objet, QEvent* event) {
    auto* barre = qobject_cast<QScrollBar*>(objet);
    if (!barre || barre->orientation() != Qt::Horizontal || event->type() != QEvent::KeyPress)
        return PictureBox::eventFilter(objet, event);
    using Action = QAbstractSlider::SliderAction;
    Action action;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = Action::SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = Action::SliderSingleStepAdd;
        break;
    case Qt::Key_PageDown:
        action = Action::SliderPageStepSub;
        break;
    case Qt::Key_PageUp:
        action = Action::SliderPageStepAdd;
        break;
    default:
        return false;
    }
    barre->triggerAction(action);
    return true;
}

void Panneau::commencerDessin(bool gras) {
    setFond(couleurs::panneau);
    setPolice(policeArial(8, gras));
    setEncre(couleurs::noir);
}

void Panneau::showEvent(QShowEvent*) {
    dessiner();
}

void Panneau::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    if (isVisible()) dessiner();
}

} // namespace vedo
