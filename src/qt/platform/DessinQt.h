#pragma once
// The drawing types of the core as Qt knows them, both ways.

#include "drawing/Chemin.h"
#include "drawing/Couleur.h"
#include "drawing/Geometrie.h"
#include "drawing/Image.h"
#include "drawing/Plume.h"
#include "drawing/Police.h"
#include "drawing/Remplissage.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QPointF>

namespace vedo {

inline QColor couleurQt(Couleur c) {
    return QColor(c.r, c.g, c.b);
}
inline Couleur couleurDe(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

inline QPoint pixelQt(Pixel p) {
    return {p.x, p.y};
}
inline Pixel pixelDe(QPoint p) {
    return {p.x(), p.y()};
}
inline QPointF pointQt(Point p) {
    return {p.x, p.y};
}
inline Point pointDe(QPointF p) {
    return {p.x(), p.y()};
}

// The font at its size in pixels on the 96-dpi grid the layout was designed on,
// so that texts keep their metrics whatever the screen's logical resolution.
QFont policeQt(const Police& police);
// A font made by `policeQt`, back.
Police policeDe(const QFont& police);

QPen plumeQt(const Plume& plume);
QBrush brosseQt(const Remplissage& remplissage);
// Unions and intersections are Qt's own, so that their edges are.
QPainterPath cheminQt(const Chemin& chemin);

// ARGB32, not premultiplied, both ways.
QImage imageQt(const Image& image);
Image imageDe(const QImage& image);

} // namespace vedo
