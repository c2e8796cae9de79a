#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/GraphPainter.h"

#include <algorithm>

using namespace vedo;

namespace {

const CouleursCourbes couleursDefaut = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0},
                                        Couleur{0, 192, 0}};

CadreGraphe cadre(int k, float ymax = 2.0f, std::int32_t duree = 600) {
    CadreGraphe c;
    c.echelle = {k, duree, ymax};
    c.couleurs = couleursDefaut;
    c.departs = {1.0, 2.0, 0.0, 0.0};
    return c;
}

// The recorded calls that start with `debut`.
std::vector<std::string> appelsEn(const SurfaceEnregistree& s, const std::string& debut) {
    std::vector<std::string> choisis;
    for (const auto& a : s.appels())
        if (a.rfind(debut, 0) == 0) choisis.push_back(a);
    return choisis;
}

} // namespace

ESSAI(sizeFactorAndOrigin) {
    struct Ligne {
        const char* nom;
        int largeur;
        int facteur;
        Pixel origine;
    };
    essai::lignes<Ligne>({{"normal width", 413, 1, {0, -8}},
                          {"enlarged width", 789, 2, {-36, -45}},
                          {"any other width counts as enlarged", 412, 2, {-36, -45}}},
                         [](const Ligne& l) {
                             COMPARE(facteurGraphe(l.largeur), l.facteur);
                             VERIFIE(origineGraphe(l.facteur) == l.origine);
                         });
}

ESSAI(colourIntegers) {
    struct Ligne {
        const char* nom;
        Couleur couleur;
        std::uint32_t entier;
    };
    essai::lignes<Ligne>({{"blue", {0, 0, 255}, 16711680u},
                          {"orange", {255, 128, 0}, 33023u},
                          {"green", {0, 192, 0}, 49152u},
                          {"every channel: 255 + 256 x 129 + 65536 x 1", {255, 129, 1}, 98815u}},
                         [](const Ligne& l) {
                             COMPARE(entierDepuisCouleur(l.couleur), l.entier);
                             VERIFIE(couleurDepuisEntier(l.entier) == l.couleur);
                         });
}

ESSAI(description) {
    struct Ligne {
        const char* nom;
        std::int32_t duree;
        CourbesAffichees affichees;
        std::array<std::string, 4> especes;
        int conserves;
        std::string texte;
    };
    const std::array<std::string, 4> esters = {"Acide", "Alcool", "Ester", "Eau"};
    essai::lignes<Ligne>(
        {{"A and D shown, in hours", 18000, {true, false, false, true}, esters, 2,
          "Quantité de matière (mol) en fonction de t (h). Courbes : acide, eau. Expériences conservées : 2."},
         {"no curve", 20, {false, false, false, false}, esters, 0,
          "Quantité de matière (mol) en fonction de t (s). Courbes : aucune. Expériences conservées : 0."},
         {"accented capitals in lower case", 600, {true, true, false, false},
          {"Éthanol", "ÀÉÈ", "x", "y"}, 1,
          "Quantité de matière (mol) en fonction de t (min). Courbes : éthanol, àéè. "
          "Expériences conservées : 1."}},
        [](const Ligne& l) {
            COMPARE(decrireGraphe(l.duree, l.affichees, l.especes, l.conserves), l.texte);
        });
}

// Below 1E-9 mol the graph stays blank.
ESSAI(emptyScaleLeavesTheImageBlank) {
    struct Ligne {
        const char* nom;
        float ymax;
        bool dessine;
    };
    essai::lignes<Ligne>({{"zero", 0.0f, false}, {"just below 1E-9", 9e-10f, false}, {"1E-9 is drawn", 1e-9f, true}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             COMPARE(dessinerCadre(s, cadre(1, l.ymax)), l.dessine);
                             COMPARE(s.appels().front(), std::string("remplir #ffffff"));
                             COMPARE(s.appels().size() == 1, !l.dessine);
                         });
}

// The frame is one group in the graph's font; its grid is grey, its axes
// black; the starting dots of the shown species with a number lie on the
// amount axis, as wide as the lines.
ESSAI(frameCalls) {
    struct Ligne {
        const char* nom;
        bool gras;
        CourbesAffichees affichees;
        std::array<std::optional<double>, 4> departs;
        std::vector<std::string> points;
    };
    essai::lignes<Ligne>(
        {{"every species", false, {true, true, true, true}, {1.0, 2.0, 0.0, 0.0},
          {"point 50,118 1 #0000ff", "point 50,18 1 #ff00ff", "point 50,218 1 #ff8000", "point 50,218 1 #00c000"}},
         {"bold dots", true, {true, false, false, false}, {1.0, 2.0, 0.0, 0.0}, {"point 50,118 2 #0000ff"}},
         {"a box without a number has no dot", false, {true, true, true, true}, {std::nullopt, 2.0, {}, {}},
          {"point 50,18 1 #ff00ff"}},
         {"a hidden species has no dot", false, {false, true, false, true}, {1.0, 2.0, 0.0, 0.0},
          {"point 50,18 1 #ff00ff", "point 50,218 1 #00c000"}}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            auto c = cadre(1);
            c.gras = l.gras;
            c.affichees = l.affichees;
            c.departs = l.departs;
            VERIFIE(dessinerCadre(s, c));
            COMPARE(s.appels()[1], std::string("groupe Arial 8"));
            COMPARE(s.appels().back(), std::string("fin groupe"));
            COMPARE(appelsEn(s, "point"), l.points);
            const auto traits = appelsEn(s, "trait");
            // 11 time lines, 6 amount lines, 6 strokes of the axes and their arrowheads.
            COMPARE(traits.size(), std::size_t{23});
            COMPARE(traits.front(), std::string("trait 50,18 50,218 #c0c0c0 1 carre biseau"));
            COMPARE(traits.back(), std::string("trait 374,221 380,218 #000000 1 carre biseau"));
            COMPARE(appelsEn(s, "texte").back(),
                    std::string("texte 55,12 \"Quantité de matière (mol)\" Arial 8 #000000"));
        });
}

// Image pixels are picture units shifted by the origin (0, -8).
ESSAI(curvesFollowTheMapping) {
    struct Ligne {
        const char* nom;
        int largeur;
        std::vector<std::pair<double, double>> pas; // t, amount of A
        std::vector<std::string> traits;
        int x, y;
    };
    essai::lignes<Ligne>(
        {{"half-way down in half the time", 1, {{300.0, 1.0}}, {"trait 50,18 200,118 #0000ff 1 rond biseau"}, 200, 110},
         {"then down the same column", 1, {{300.0, 1.0}, {300.0, 0.5}},
          {"trait 50,18 200,118 #0000ff 1 rond biseau", "trait 200,118 200,168 #0000ff 1 rond biseau"}, 200, 160},
         {"a step within the pixel reached draws nothing", 2, {{300.0, 1.0}, {300.2, 1.0001}},
          {"trait 50,18 200,118 #0000ff 2 rond biseau"}, 200, 110}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            PointsPrecedents precedents;
            TraceurCourbes traceur(s, {1, 600, 2.0f}, {true, false, false, false}, couleursDefaut, l.largeur,
                                   precedents);
            traceur.premierPoint({2.0, 0, 0, 0});
            for (const auto& [t, n] : l.pas)
                traceur.point(t, {n, 0, 0, 0});
            COMPARE(s.appels(), l.traits);
            COMPARE(int(precedents.x), l.x);
            COMPARE(int(precedents.y[0]), l.y);
        });
}

ESSAI(offScaleCoordinateKeepsItsLastValue) {
    SurfaceEnregistree s;
    PointsPrecedents precedents;
    const PlotMapping m{1, 300, 1e-6f};
    TraceurCourbes traceur(s, m, {true, true, true, true}, couleursDefaut, 1, precedents);
    traceur.premierPoint({0, 0, 0, 0});
    COMPARE(int(precedents.x), 50); // a pixel a second: t = 0 on the amount axis
    traceur.point(60.0, {1.0, 0, 0, 0}); // 1 mol on a micro-mole axis does not fit 16 bits
    COMPARE(int(precedents.x), 110);
    COMPARE(int(precedents.y[0]), 210);
}
