#pragma once
// The program's icon, drawn by code at any size: a round-bottomed flask over
// the two curves of a reaction, on a blue tile. data/icons/vedoriruvirivi.svg
// is the same drawing for the desktop.

#include <QIcon>
#include <QImage>

namespace vedo {

QImage imageIconeProgramme(int taille);
QIcon iconeProgramme();

} // namespace vedo
