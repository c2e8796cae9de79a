#pragma once
// The icons and buttons of the core's message boxes as Qt knows them, both
// ways.

#include "platform/BoiteMessage.h"

#include <QMessageBox>

namespace vedo {

QMessageBox::Icon iconeQt(Icone icone);
Icone iconeDe(QMessageBox::Icon icone);

QMessageBox::StandardButton boutonQt(Bouton bouton);
// A button the core's boxes do not have is none.
Bouton boutonDe(QMessageBox::StandardButton bouton);

QMessageBox::StandardButtons boutonsQt(Boutons boutons);
Boutons boutonsDe(QMessageBox::StandardButtons boutons);

} // namespace vedo
