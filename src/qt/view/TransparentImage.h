#pragma once
// Pictures kept as plain RGB images in which one colour stands for "nothing
// here", the way image lists hand them to picture boxes.

#include <QImage>
#include <QPainter>
#include <QPoint>

namespace vedo {

inline constexpr QRgb magentaTransparent = 0xFFFF00FF; // RGB(255, 0, 255)

// Draws `image` with its top-left corner at `position`, leaving whatever lies
// under the pixels of colour `transparente` untouched.
void dessinerImageTransparente(QPainter& p, QPoint position, const QImage& image,
                               QRgb transparente = magentaTransparent);

} // namespace vedo
