#pragma once
// The program's icon, drawn by code at any size: a round-bottomed flask over
// the two curves of a reaction, on a blue tile. data/icons/vedoriruvirivi.svg
// is the same drawing for the desktop.

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace vedo {

QImage imageIconeProgramme(int taille);
QIcon iconeProgramme();

// Gives the application its icon once `fenetre` has painted its first frame:
// drawn at seven sizes, the icon would hold that frame back.
void poserIconeApresPremiereImage(QWidget& fenetre);

} // namespace vedo
