#pragma once
// The main window keeps an outer size of 800 x 600 pixels, centred, on
// screens wider than 850 pixels; on smaller screens it is left alone.

#include <QRect>
#include <QSize>

#include <optional>

namespace vedo {

inline constexpr QSize tailleFeuilleP(800, 600);

// The outer rectangle the window must have on a screen of that size, or
// nothing when the screen is too small for the rule.
std::optional<QRect> cadreFeuilleP(QSize ecran);

} // namespace vedo
