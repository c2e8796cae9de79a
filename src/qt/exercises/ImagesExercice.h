#pragma once
// The pictures of the exercise window, drawn by code: the difficulty stars,
// the hourglass of the working time and the two image buttons.

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace vedo {

inline const QColor couleurEtoileAllumee(255, 200, 0);
inline const QColor couleurEtoileEteinte(96, 96, 96);

// A five-pointed star filling a square of `cote` pixels.
QPixmap imageEtoile(bool allumee, int cote = 22);

// An hourglass filling `cadre`.
void dessinerSablier(QPainter& peintre, const QRectF& cadre);

// `ouvreur`: an open book with a green arrow; `Image5`: a red cross.
QIcon iconeOuvrirExercice();
QIcon iconeFermerSansCharger();

} // namespace vedo
