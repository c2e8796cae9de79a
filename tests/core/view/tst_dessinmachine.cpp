#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinMachine.h"

#include <string>

using namespace vedo;

// A column a pixel, from top to bottom, darker by half a level a column,
// halves to even.
ESSAI(degradeDeLaMachine) {
    struct Ligne {
        const char* nom;
        std::size_t colonne;
        std::string appel;
    };
    essai::lignes<Ligne>({{"first column", 0, "segment 0,0 0,430 #c8fafa 1 carre biseau"},
                          {"199.5 to even 200", 1, "segment 1,0 1,430 #c8fafa 1 carre biseau"},
                          {"198.5 to even 198", 3, "segment 3,0 3,430 #c6f8f8 1 carre biseau"},
                          {"last column, 49.5 to even 50", 301, "segment 301,0 301,430 #326464 1 carre biseau"}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             dessinerFaceMachine(s, 302, 431);
                             COMPARE(s.appels().size(), std::size_t(302 + 5));
                             COMPARE(s.appels().at(l.colonne), l.appel);
                         });
}

ESSAI(bordsDeLaMachine) {
    SurfaceEnregistree s;
    dessinerFaceMachine(s, 302, 431);
    const std::vector<std::string> bords(s.appels().end() - 5, s.appels().end());
    COMPARE(bords, (std::vector<std::string>{"rectangle 1,1 299,428 #ffffff 1 contour",
                                             "segment 1,1 299,1 #000000 1 carre biseau",
                                             "segment 1,1 1,427 #000000 1 carre biseau",
                                             "rectangle 82,290 206,421 #ffffff 1 contour",
                                             "rectangle 81,289 205,420 #008080 1 contour"}));
}
