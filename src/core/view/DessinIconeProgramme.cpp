#include "view/DessinIconeProgramme.h"

namespace vedo {

void dessinerIconeProgramme(Surface& s, int taille) {
    s.lisser(true);
    s.echelle(taille / 64.0, taille / 64.0); // drawn on a 64 x 64 grid

    s.tracer(Chemin().rectangleArrondi({2, 2}, 60, 60, 12, 12), std::nullopt,
             Remplissage::degrade({0, 0}, {0, 64}, {{0, {70, 130, 200}}, {1, {30, 70, 140}}}));

    // The two curves: a reactant used up, a product formed.
    s.tracer(Chemin({9, 14}).cubique({16, 34}, {30, 40}, {56, 41}),
             Plume{{255, 170, 60}, 3.2, Plume::Bout::rond}, std::nullopt);
    s.tracer(Chemin({9, 52}).cubique({16, 32}, {30, 26}, {56, 25}),
             Plume{{120, 230, 120}, 3.2, Plume::Bout::rond}, std::nullopt);

    // The flask: neck, round body, liquid.
    Chemin ballon({27, 10});
    ballon.ligne({27, 27}).arc({14, 24}, 36, 36, 110, 320).ligne({37, 10}).fermer();
    s.tracer(ballon, std::nullopt, Remplissage(blanc, 70));
    s.tracer(Chemin().ellipse({32, 42}, 18, 18).croiser(Chemin().rectangle({10, 43}, {54, 63})), std::nullopt,
             Remplissage({90, 200, 255}, 200));
    const Plume contour{blanc, 2.4, Plume::Bout::rond, Plume::Angle::rond};
    s.tracer(ballon, contour, std::nullopt);
    s.segment({25, 10}, {39, 10}, contour);
}

} // namespace vedo
