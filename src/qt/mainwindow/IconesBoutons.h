#pragma once
// The pictures of the picture buttons, drawn by code.

#include <QIcon>

namespace vedo {

QIcon iconeAgrandir();  // four arrows pointing outwards
QIcon iconeRestaurer(); // four arrows pointing inwards
QIcon iconeExercice();  // a written sheet and a pencil

} // namespace vedo
