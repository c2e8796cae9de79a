#pragma once
// The program's icon at any size, drawn by the core, and given to the
// application.

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
