#include "view/DessinsExercice.h"

#include <cmath>
#include <numbers>

namespace vedo {

void dessinerEtoile(Surface& s, bool allumee, int cote) {
    s.lisser(true);
    const Point centre{cote / 2.0, cote / 2.0 + cote * 0.04};
    const double grand = cote * 0.48, petit = grand * 0.4;
    Chemin pointes;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? grand : petit;
        const Point p{centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)};
        k == 0 ? pointes.deplacer(p) : pointes.ligne(p);
    }
    pointes.fermer();
    // The outline a darker shade of the star.
    const Couleur bord = allumee ? Couleur{159, 125, 0} : Couleur{60, 60, 60};
    s.tracer(pointes, Plume{bord, 1}, allumee ? couleurEtoileAllumee : couleurEtoileEteinte);
}

void dessinerSablier(Surface& s, Point coin, double l, double h) {
    s.sauver();
    s.lisser(true);
    const double plateau = h * 0.1;
    const double vx = coin.x + l * 0.15, vy = coin.y + plateau;
    const double vl = l + -l * 0.15 - l * 0.15, vh = h + -plateau - plateau;
    const Point centre{vx + vl / 2, vy + vh / 2};
    const double bas = vy + vh;
    s.tracer(Chemin().polygone({{vx, vy},
                       {vx + vl, vy},
                       {centre.x + l * 0.06, centre.y + 0},
                       {vx + vl, bas},
                       {vx, bas},
                       {centre.x - l * 0.06, centre.y - 0}}),
             Plume{{60, 60, 60}, 1}, Couleur{220, 235, 250});
    // Sand: a heap at the bottom and what is left at the top.
    const Couleur sable{220, 170, 60};
    s.tracer(Chemin().polygone({{vx, bas}, {vx + vl, bas}, {centre.x, bas - vh * 0.3}}), std::nullopt, sable);
    const double y = vy + vh * 0.28;
    const double demi = vl / 2 * (1 - 0.28 * 2) * 0.9;
    s.tracer(Chemin().polygone({{centre.x - demi, y}, {centre.x + demi, y}, centre}), std::nullopt, sable);
    const Couleur bois{120, 70, 30};
    s.rectangle(coin, {coin.x + l, coin.y + plateau}, std::nullopt, bois);
    const double fond = coin.y + h;
    s.rectangle({coin.x, fond - plateau}, {coin.x + l, fond - plateau + plateau}, std::nullopt, bois);
    s.restaurer();
}

void dessinerOuvrirExercice(Surface& s) {
    s.lisser(true);
    // An open book...
    const Plume encre{{40, 40, 90}, 1.2};
    s.tracer(Chemin().polygone({{2, 8}, {15, 11}, {15, 29}, {2, 26}}), encre, blanc);
    s.tracer(Chemin().polygone({{30, 8}, {17, 11}, {17, 29}, {30, 26}}), encre, blanc);
    for (int y = 14; y <= 24; y += 4) {
        s.segment({5, double(y)}, {12, y + 1.0}, encre);
        s.segment({20, y + 1.0}, {27, double(y)}, encre);
    }
    // ...and the arrow that opens it.
    s.tracer(Chemin().polygone({{12, 1}, {20, 1}, {20, 5}, {24, 5}, {16, 11}, {8, 5}, {12, 5}}), std::nullopt,
             Couleur{0, 150, 0});
}

void dessinerFermerSansCharger(Surface& s) {
    s.lisser(true);
    const Plume rouge{{200, 0, 0}, 5, Plume::Bout::rond};
    s.segment({7, 7}, {25, 25}, rouge);
    s.segment({25, 7}, {7, 25}, rouge);
}

} // namespace vedo
