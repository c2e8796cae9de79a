#include "view/DessinsBoutons.h"

namespace vedo {

namespace {

// One pixel wide, both ends drawn.
void trait(Surface& s, Pixel de, Pixel a, Couleur couleur) {
    s.segment({double(de.x), double(de.y)}, {double(a.x), double(a.y)}, {couleur, 1});
}

// A frame and four diagonal arrows in the corners, pointing out of it or into it.
void cadreEtFleches(Surface& s, Pixel coin1, Pixel coin2, bool sortantes) {
    s.rectangle(coin1, coin2, noir, 1, false);
    for (const Pixel c : {Pixel{1, 1}, Pixel{14, 1}, Pixel{1, 14}, Pixel{14, 14}}) {
        const Pixel versCentre{c.x < 8 ? 1 : -1, c.y < 8 ? 1 : -1};
        const Pixel bout{c.x + 3 * versCentre.x, c.y + 3 * versCentre.y};
        trait(s, c, bout, noir);
        const Pixel pointe = sortantes ? c : bout;
        const int recul = sortantes ? 1 : -1;
        trait(s, pointe, {pointe.x + 3 * recul * versCentre.x, pointe.y}, noir);
        trait(s, pointe, {pointe.x, pointe.y + 3 * recul * versCentre.y}, noir);
    }
}

} // namespace

void dessinerAgrandir(Surface& s) {
    cadreEtFleches(s, {4, 4}, {11, 11}, true);
}

void dessinerRestaurer(Surface& s) {
    cadreEtFleches(s, {6, 6}, {9, 9}, false);
}

void dessinerExercice(Surface& s) {
    s.rectangle(Pixel{3, 2}, Pixel{17, 21}, blanc, 1, true);
    s.rectangle(Pixel{3, 2}, Pixel{17, 21}, noir, 1, false);
    for (int y = 6; y <= 17; y += 3)
        trait(s, {6, y}, {14, y}, {0, 0, 160});
    s.lisser(true);
    s.segment({21, 6}, {13, 17}, {{160, 80, 0}, 3, Plume::Bout::rond});
}

} // namespace vedo
