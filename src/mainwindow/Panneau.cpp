#include "mainwindow/Panneau.h"

#include "mainwindow/CouleursFenetre.h"

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
