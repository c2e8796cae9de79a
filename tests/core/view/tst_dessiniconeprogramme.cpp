#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinIconeProgramme.h"

#include <string>

using namespace vedo;

// Smooth, on a grid of 64 brought to the size asked; the tile's gradient
// first, the flask's white outline last.
ESSAI(iconeATouteTaille) {
    struct Ligne {
        const char* nom;
        int taille;
        std::string echelle;
    };
    essai::lignes<Ligne>({{"smallest of the set", 16, "echelle 0.25,0.25"},
                          {"its own grid", 64, "echelle 1,1"},
                          {"largest of the set", 256, "echelle 4,4"},
                          {"an odd size", 33, "echelle 0.515625,0.515625"}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             dessinerIconeProgramme(s, l.taille);
                             const auto& a = s.appels();
                             COMPARE(a.size(), std::size_t(9));
                             COMPARE(a[0], std::string("lisser oui"));
                             COMPARE(a[1], l.echelle);
                             COMPARE(a[2], std::string("tracer RA 2,2 60,60 12,12 - | degrade 0,0 0,64 "
                                                       "0:#4682c8 1:#1e468c"));
                             COMPARE(a[6], std::string("tracer E 32,42 18,18 *(R 10,43 54,63) - | #5ac8ff/200"));
                             COMPARE(a[8], std::string("segment 25,10 39,10 #ffffff 2.4 rond rond"));
                         });
}
