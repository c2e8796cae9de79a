#pragma once
// What the graph picture shows since its frame was last drawn, kept as the
// drawing that made it: the frame, then each curve and tangent, in the order
// drawn, as one line through the pixels it was drawn through. Drawn again on
// another device (a vector file) it shows the same graph: the frame through
// the screen's own code, each curve as a single path, then again the few
// segments that the screen shows over a curve drawn after theirs, such as
// where bold curves cross.

#include "view/GraphPainter.h"

#include <QPen>
#include <QPolygon>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace vedo {

class DessinGraphe {
public:
    struct Trace {
        QPen plume;
        QPolygon points; // image pixels; points in line with their neighbours are left out
        QPoint position; // where the curve stands: the end of its last segment, or on it
    };

    // Clears `image` and draws the frame on it, as `vedo::dessinerCadre`;
    // the drawing starts again from there.
    bool dessinerCadre(QImage& image, const CadreGraphe& cadre);

    // The curve of species `espece` (0..3) moves on from `de` to `a`, image
    // pixels: it stays one trace as long as it goes on from where it stopped
    // with the same pen. A move back over the line just drawn adds nothing,
    // so that a curve hesitating between two pixels does not grow.
    void prolonger(int espece, const QPen& plume, QPoint de, QPoint a);
    // A line of its own, such as a tangent.
    void trait(const QPen& plume, QPoint de, QPoint a);

    QSize taille() const { return taille_; }
    const std::vector<Trace>& traces() const { return traces_; }

    // Draws it all on a device of `taille()` pixels, background included.
    void dessiner(QPainter& peintre) const;

private:
    // One line the screen drew, in the order drawn.
    struct Segment {
        QPoint de, a;
        std::size_t trace;
    };

    void ajouter(Trace& trace, QPoint a);
    std::vector<std::size_t> pardessus() const;

    std::optional<CadreGraphe> cadre_;
    QSize taille_{largeurGrapheNormal, hauteurGrapheNormal};
    std::vector<Trace> traces_;
    std::vector<Segment> segments_;
    std::array<int, 4> courbes_{-1, -1, -1, -1}; // each species' last trace
};

} // namespace vedo
