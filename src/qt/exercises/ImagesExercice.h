#pragma once
// The pictures of the exercise window, drawn by the core, as Qt shows them.

#include "view/DessinsExercice.h"

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace vedo {

// A five-pointed star filling a square of `cote` pixels.
QPixmap imageEtoile(bool allumee, int cote = 22);

// An hourglass filling `cadre`.
void dessinerSablier(QPainter& peintre, const QRectF& cadre);

// `ouvreur`: an open book with a green arrow; `Image5`: a red cross.
QIcon iconeOuvrirExercice();
QIcon iconeFermerSansCharger();

} // namespace vedo
