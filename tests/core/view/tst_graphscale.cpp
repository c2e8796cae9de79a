#include "EssaiCoeur.h"

#include "view/GraphScale.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace vedo;

namespace {

std::vector<std::string> textes(const std::vector<Graduation>& g) {
    std::vector<std::string> l;
    for (const auto& x : g)
        l.push_back(x.texte);
    return l;
}

} // namespace

ESSAI(rounding) {
    struct Ligne {
        const char* nom;
        float brut, arrondi;
    };
    essai::lignes<Ligne>({{"3.54 up to 3.6", 3.54f, 3.6f},
                          {"3.5 stays", 3.5f, 3.5f},
                          {"3.46 up to 3.5", 3.46f, 3.5f},
                          {"9.96 up to 10", 9.96f, 10.0f},
                          {"0.1 stays", 0.1f, 0.1f},
                          {"0.0354 up to 0.036", 0.0354f, 0.036f},
                          {"2 stays", 2.0f, 2.0f},
                          {"20 stays", 20.0f, 20.0f},
                          {"0.001 stays", 0.001f, 0.001f}},
                         [](const Ligne& l) { COMPARE(arrondirYmax(l.brut), l.arrondi); });
}

ESSAI(reachableMaximum) {
    struct Ligne {
        const char* nom;
        Quantites initiales;
        CourbesAffichees affichees;
        float ymax;
    };
    const CourbesAffichees toutes{true, true, true, true};
    essai::lignes<Ligne>(
        {{"1, 2, 0, 0 all shown: B reaches 2", {1, 2, 0, 0}, toutes, 2.0f},
         {"only A shown", {0.0354, 1, 0, 0}, {true, false, false, false}, float(0.0354)},
         {"products fed back to reactants", {0.1, 0.1, 0.5, 0.3}, {true, false, false, false}, 0.4f},
         {"only D shown: its own amount, not C's", {0.1, 0.1, 0.5, 0.3}, {false, false, false, true}, 0.4f},
         {"only B shown: fed back by the products", {0.1, 0.1, 0.5, 0.3}, {false, true, false, false}, 0.4f},
         {"only C shown: its own amount, not D's", {0.1, 0.1, 0.5, 0.3}, {false, false, true, false}, 0.6f},
         {"nothing shown", {1, 1, 0, 0}, {false, false, false, false}, 0.0f}},
        [](const Ligne& l) { COMPARE(ymaxBrut(l.initiales, l.affichees, nullptr), l.ymax); });
}

ESSAI(keptRunsRaiseTheScale) {
    KeptRuns store;
    store.nbCourbes = 0;
    CourbeConservee grande;
    grande.courbeQuantite = {0, 3, 3, 0, 0};
    store.enrcourbe(grande, 0.5f);
    const CourbesAffichees toutes = {true, true, true, true};
    COMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 3.0f);
    store.ymaxEnr = 5.0f;
    COMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 5.0f);
    store.nbCourbes = -1;
    COMPARE(ymaxBrut({0.1, 0.1, 0, 0}, toutes, &store), 0.1f);
}

ESSAI(timeUnits) {
    struct Ligne {
        const char* nom;
        int duree, unite;
        std::vector<std::string> labels;
    };
    essai::lignes<Ligne>(
        {{"599 s in seconds",
          599,
          1,
          {"0", "59,9", "119,8", "179,7", "239,6", "299,5", "359,4", "419,3", "479,2", "539,1", "599"}},
         {"600 s in minutes", 600, 60, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
         {"18000 s in hours", 18000, 3600, {"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5", "4", "4,5", "5"}},
         {"20 s", 20, 1, {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}},
         {"no duration: no graduation", 0, 1, {}}},
        [](const Ligne& l) {
            COMPARE(int(uniteTemps(l.duree)), l.unite);
            const auto g = graduationsTemps({1, l.duree, 1.0f});
            if (l.labels.empty()) {
                VERIFIE(g.empty());
                return;
            }
            COMPARE(textes(g).front(), l.labels.front());
            COMPARE(textes(g).back(), l.labels.back());
            if (l.duree % 10 == 0) COMPARE(textes(g), l.labels);
            COMPARE(g.front().position, 50.0);
        });
}

ESSAI(amountGraduations) {
    struct Ligne {
        const char* nom;
        float ymax;
        std::vector<std::string> labels;
    };
    essai::lignes<Ligne>({{"0 to 2 by 0,4", 2.0f, {"0", "0,4", "0,8", "1,2", "1,6", "2"}},
                          {"0 to 3,6", 3.6f, {"0", "0,72", "1,44", "2,16", "2,88", "3,6"}},
                          // In singles five steps of 1,18 add up a little above 5,9: the top line is kept.
                          {"0 to 5,9", 5.9f, {"0", "1,18", "2,36", "3,54", "4,72", "5,9"}},
                          {"small scale", 0.036f, {"0", "0,0072", "0,0144", "0,0216", "0,0288", "0,036"}}},
                         [](const Ligne& l) {
                             const auto g = graduationsQuantite({1, 600, l.ymax});
                             COMPARE(textes(g), l.labels);
                             COMPARE(g.front().position, 210.0);
                             VERIFIE(std::abs(g.back().position - 10.0) < 1e-4);
                         });
}

ESSAI(plotCorners) {
    struct Ligne {
        const char* nom;
        int k, xDebut, yZero, xFin;
    };
    essai::lignes<Ligne>(
        {{"normal size: corner (50, 210)", 1, 50, 210, 350}, {"enlarged: corner (50, 410)", 2, 50, 410, 650}},
        [](const Ligne& l) {
            const PlotMapping m{l.k, 600, 2.0f};
            COMPARE(int(*m.x(0)), l.xDebut);
            COMPARE(int(*m.y(0)), l.yZero);
            COMPARE(int(*m.x(600)), l.xFin);
            COMPARE(int(*m.y(2.0)), 10);
        });
}

ESSAI(halvesToEvenAndOverflowSkipped) {
    const PlotMapping m{1, 600, 2.0f};
    COMPARE(int(*m.x(1.0)), 50); // 50.5 -> 50
    COMPARE(int(*m.x(3.0)), 52); // 51.5 -> 52
    VERIFIE(!m.y(1000.0));       // far above the picture: no 16-bit value
    const PlotMapping vide{1, 600, 0.0f};
    VERIFIE(!vide.y(1.0));
}

// A run's values in order, on one axis, through one kept pixel: the
// pixels rounded by hand, halves to even included, then a dense sweep
// that must round as the mapping does without a kept pixel.
ESSAI(keptPixels) {
    struct Ligne {
        const char* nom;
        bool temps;
        PlotMapping echelle;
        std::vector<double> valeurs;
        std::vector<int> pixels;
    };
    essai::lignes<Ligne>({{"time across halves: X = 50 + t/2",
                           true,
                           PlotMapping{1, 600, 2.0f},
                           {0, 0.9, 1.0, 1.1, 2.9, 3.0, 3.0, 2.0},
                           {50, 50, 50, 51, 51, 52, 52, 51}},
                          {"time leaping 25 pixels", true, PlotMapping{1, 600, 2.0f}, {0, 50}, {50, 75}},
                          {"time back from the right edge to the start",
                           true,
                           PlotMapping{1, 600, 2.0f},
                           {600, 1.0 / 600},
                           {350, 50}},
                          {"amount falling: Y = 210 - 100 n",
                           false,
                           PlotMapping{1, 600, 2.0f},
                           {0, 0.004, 0.005, 0.006, 0.0149, 0.015},
                           {210, 210, 210, 209, 209, 208}},
                          {"enlarged amount: Y = 410 - 400 n",
                           false,
                           PlotMapping{2, 600, 1.0f},
                           {0, 0.00125, 0.0013, 0.00375, 0.0037},
                           {410, 410, 409, 408, 409}},
                          {"amount going down: 200, then 5 pixels lower",
                           false,
                           PlotMapping{1, 600, 2.0f},
                           {0.1, 0.05},
                           {200, 205}},
                          {"off the scale keeps the pixel",
                           false,
                           PlotMapping{1, 600, 1e-6f},
                           {0, 1.0, 1e-9, 5e-9, 1.0},
                           {210, 210, 210, 209, 209}}},
                         [](const Ligne& l) {
                             const PlotMapping& echelle = l.echelle;
                             const auto placer = [&](double v, PixelRetenu& r, std::int16_t& p) {
                                 l.temps ? echelle.placerX(v, r, p) : echelle.placerY(v, r, p);
                             };
                             PixelRetenu retenu;
                             std::int16_t pixel = -1;
                             for (std::size_t i = 0; i < l.valeurs.size(); ++i) {
                                 placer(l.valeurs[i], retenu, pixel);
                                 COMPARE(int(pixel), l.pixels[i]);
                             }
                             const auto [bas, haut] = std::minmax_element(l.valeurs.begin(), l.valeurs.end());
                             PixelRetenu suivi;
                             std::int16_t continu = -1;
                             for (int i = 0; i <= 20000; ++i) {
                                 const double v = *bas + (*haut - *bas) * i / 20000.0;
                                 const std::int16_t attendu =
                                     (l.temps ? echelle.x(v) : echelle.y(v)).value_or(continu);
                                 placer(v, suivi, continu);
                                 COMPARE(continu, attendu);
                             }
                         });
}
