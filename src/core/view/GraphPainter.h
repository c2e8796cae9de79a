#pragma once
// Drawing the graph of amounts against time on the surface of the graph
// picture: the frame that does not depend on the run (grid, graduations,
// axes, titles, starting dots), then the curves of runs as the engine
// reports their points, with the plot mapping of GraphScale.h.

#include "drawing/Couleur.h"
#include "drawing/Geometrie.h"
#include "drawing/Surface.h"
#include "engine/KeptRuns.h"
#include "engine/RunLoop.h"
#include "view/GraphScale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vedo {

inline constexpr int largeurGrapheNormal = 413;
inline constexpr int hauteurGrapheNormal = 235;
inline constexpr int largeurGrapheAgrandi = 789;
inline constexpr int hauteurGrapheAgrandi = 503;

// 1 when the picture is exactly 413 pixels wide, 2 otherwise.
int facteurGraphe(int largeurImage);
// The picture coordinates of the image's top-left pixel: (0, -8) or (-36, -45).
Pixel origineGraphe(int facteur);

using CouleursCourbes = std::array<Couleur, 4>;

struct CadreGraphe {
    PlotMapping echelle;
    CourbesAffichees affichees{true, true, true, true};
    CouleursCourbes couleurs;
    // The starting amount of each species, where its box holds a number.
    std::array<std::optional<double>, 4> departs;
    bool gras = false; // "Tracer en gras": lines 2 pixels wide from here on
};

// What the graph shows, in words for assistive technologies: its axes with
// their units, the species whose curves are shown (`especes`, the names of
// A..D, UTF-8) and the number of kept runs.
std::string decrireGraphe(std::int32_t duree, const CourbesAffichees& affichees,
                          const std::array<std::string, 4>& especes, int conserves);

// Fills the surface with white and draws the frame. Returns false, leaving
// it blank, when the scale is below `ymaxMinimal`.
bool dessinerCadre(Surface& surface, const CadreGraphe& cadre);

// The last point drawn of each curve (`xPrec`, `yPrecA`..`yPrecD`), kept by
// the window between the ticks of an animated run.
struct PointsPrecedents {
    std::int16_t x = 0;
    std::array<std::int16_t, 4> y{};
};

// The pixels that each shown species' curve passes through as a run reports
// its steps, each one once: a step that stays on the pixels already reached
// costs a few comparisons and is dropped. A coordinate that does not fit 16
// bits keeps its previous value.
class PixelsCourbes : public RunSink {
public:
    PixelsCourbes(const PlotMapping& echelle, const CourbesAffichees& affichees,
                  PointsPrecedents& precedents);

    void premierPoint(const Quantites& n) override;
    void point(double t, const Quantites& n) override;
    void ligne(int, const Quantites&) override {}

protected:
    // The curve of species `espece` (0..3) moves on from pixel `de` to pixel
    // `a`, in picture units.
    virtual void relier(int espece, Pixel de, Pixel a) = 0;

private:
    PlotMapping echelle_;
    CourbesAffichees affichees_;
    PointsPrecedents& precedents_;
    PixelRetenu x_;
    std::array<PixelRetenu, 4> y_;
};

class DessinGraphe;

// The pen of a curve: round ends, so that its segments join smoothly.
Plume plumeCourbe(Couleur couleur, int largeurTrait);

// Draws each move as a segment in the colour of its species, and adds it to
// `dessin` when one is given.
class TraceurCourbes : public PixelsCourbes {
public:
    TraceurCourbes(Surface& surface, const PlotMapping& echelle, const CourbesAffichees& affichees,
                   const CouleursCourbes& couleurs, int largeurTrait, PointsPrecedents& precedents,
                   DessinGraphe* dessin = nullptr);

protected:
    void relier(int espece, Pixel de, Pixel a) override;

private:
    Surface& surface_;
    std::array<Plume, 4> plumes_;
    Pixel origine_;
    DessinGraphe* dessin_;
};

// Computes every kept run again from its stored conditions, on the current
// scale, and draws it in its own colours; no table row is written.
void dessinerCourbesConservees(Surface& surface, const PlotMapping& echelle, const CourbesAffichees& affichees,
                               int largeurTrait, const KeptRuns& conserves, DessinGraphe* dessin = nullptr);

Couleur couleurDepuisEntier(std::uint32_t rgb); // r + 256 g + 65536 b
std::uint32_t entierDepuisCouleur(Couleur c);

} // namespace vedo
