#pragma once
// What the graph picture shows since its frame was last drawn, kept as the
// drawing that made it: the frame, then each curve and tangent, in the order
// drawn, as one line through the pixels it was drawn through. Drawn again on
// another surface (a vector file) it shows the same graph: the frame through
// the screen's own code, each curve as a single path, then again the few
// segments that the screen shows over a curve drawn after theirs, such as
// where bold curves cross.

#include "drawing/Geometrie.h"
#include "drawing/Plume.h"
#include "drawing/Surface.h"
#include "drawing/Toile.h"
#include "view/GraphPainter.h"
#include "view/Tangente.h"

#include <array>
#include <optional>
#include <vector>

namespace vedo {

class DessinGraphe {
public:
    struct Trace {
        Plume plume;
        std::vector<Pixel> points; // image pixels; points in line with their neighbours are left out
        Pixel position;            // where the curve stands: the end of its last segment, or on it
    };

    // Draws the frame on `surface`, an image of `largeur` x `hauteur` pixels,
    // as `vedo::dessinerCadre`; the drawing starts again from there.
    bool dessinerCadre(Surface& surface, int largeur, int hauteur, const CadreGraphe& cadre);

    // The curve of species `espece` (0..3) moves on from `de` to `a`, image
    // pixels: it stays one trace as long as it goes on from where it stopped
    // with the same pen. A move back over the line just drawn adds nothing,
    // so that a curve hesitating between two pixels does not grow.
    void prolonger(int espece, const Plume& plume, Pixel de, Pixel a);
    // A line of its own, such as a tangent.
    void trait(const Plume& plume, Pixel de, Pixel a);

    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }
    const std::vector<Trace>& traces() const { return traces_; }

    // Draws it all on a surface of `largeur()` x `hauteur()` pixels,
    // background included. Where the surface can draw no image to read back,
    // the segments over later curves are left out.
    void dessiner(Surface& surface) const;

private:
    // One line the screen drew, in the order drawn.
    struct Segment {
        Pixel de, a;
        std::size_t trace;
    };

    void ajouter(Trace& trace, Pixel a);
    std::vector<std::size_t> pardessus(const Surface& surface) const;

    std::optional<CadreGraphe> cadre_;
    int largeur_ = largeurGrapheNormal;
    int hauteur_ = hauteurGrapheNormal;
    std::vector<Trace> traces_;
    std::vector<Segment> segments_;
    std::array<int, 4> courbes_{-1, -1, -1, -1}; // each species' last trace
};

// Draws the tangents of a kept run's curves in red on the graph picture's
// `toile`, in its line width with flat ends, and adds them to `dessin`.
void dessinerTangentes(Toile& toile, const Tangentes& tangentes, DessinGraphe& dessin);

} // namespace vedo
