#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/FondFeuilleP.h"

using namespace vedo;

// Red and green lose 55 and blue 75 from the top row to the bottom one,
// halves going to the even neighbour.
ESSAI(couleurDesRangees) {
    struct Ligne {
        const char* nom;
        int y;
        int hauteur;
        Couleur couleur;
    };
    essai::lignes<Ligne>({{"top row white", 0, 500, blanc},
                          {"bottom row", 500, 500, {200, 200, 180}},
                          {"half way, 227.5 and 217.5 to even", 50, 100, {228, 228, 218}},
                          {"a quarter, 241.25 and 236.25", 1, 4, {241, 241, 236}}},
                         [](const Ligne& l) { COMPARE(couleurFondFeuilleP(l.y, l.hauteur), l.couleur); });
}

// Every row from the top to `hauteur` included, then the shadow last, over them.
ESSAI(rangeesPuisOmbre) {
    SurfaceEnregistree s;
    dessinerFondFeuilleP(s, 20, 2, {5, 6}, {9, 12});
    COMPARE(s.appels(), (std::vector<std::string>{"rectangle 0,0 20,0 #ffffff 1 plein",
                                                   "rectangle 0,1 20,1 #e4e4da 1 plein",
                                                   "rectangle 0,2 20,2 #c8c8b4 1 plein",
                                                   "rectangle 8,9 12,15 #808080 1 plein"}));
}
