#include "view/DessinAttente.h"

namespace vedo {

void dessinerSablierAttente(Surface& s) {
    s.lisser(true);
    s.tracer(Chemin().polygone({{2, 2}, {14, 2}, {8, 11}, {14, 20}, {2, 20}, {8, 11}}), Plume{noir, 1.2},
             Couleur{230, 240, 250});
    const Couleur sable{220, 170, 60};
    s.tracer(Chemin().polygone({{5, 6}, {11, 6}, {8, 10}}), std::nullopt, sable);
    s.tracer(Chemin().polygone({{3.5, 19}, {12.5, 19}, {8, 15}}), std::nullopt, sable);
    const Plume bois{{120, 80, 40}, 2};
    s.segment({1, 1.5}, {15, 1.5}, bois);
    s.segment({1, 20.5}, {15, 20.5}, bois);
}

} // namespace vedo
