#pragma once
// The colours of the main window's own drawing.

#include <QColor>

namespace vedo::couleurs {

inline const QColor noir(0, 0, 0);
inline const QColor gris(128, 128, 128);
inline const QColor blanc(255, 255, 255);
inline const QColor bande(210, 205, 200);      // the tab strip and its frame
inline const QColor panneau(240, 235, 230);    // the tab panels
inline const QColor boutons(192, 192, 192);    // the button row
inline const QColor animation(192, 192, 192);  // the apparatus picture's back colour
inline const QColor basFenetre(200, 200, 180); // the window's background at the bottom

// Curve colours of A, B, C, D at start-up.
inline const QColor courbes[4] = {QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 128, 0),
                                  QColor(0, 192, 0)};

} // namespace vedo::couleurs
