#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinsBoutons.h"

#include <algorithm>
#include <string>

using namespace vedo;

namespace {

bool present(const std::vector<std::string>& appels, const std::string& appel) {
    return std::find(appels.begin(), appels.end(), appel) != appels.end();
}

} // namespace

// The frame, then in each corner a stroke along the diagonal and the two
// strokes of its arrow head, at the corner when the arrows point out, at
// the inner end when they point in.
ESSAI(cadreEtFleches) {
    struct Ligne {
        const char* nom;
        void (*dessin)(Surface&);
        std::string cadre, diagonale, pointe;
    };
    essai::lignes<Ligne>({{"enlarge: arrows out of a wide frame", dessinerAgrandir,
                           "rectangle 4,4 11,11 #000000 1 contour", "segment 14,14 11,11 #000000 1 carre biseau",
                           "segment 14,14 11,14 #000000 1 carre biseau"},
                          {"restore: arrows into a small frame", dessinerRestaurer,
                           "rectangle 6,6 9,9 #000000 1 contour", "segment 1,14 4,11 #000000 1 carre biseau",
                           "segment 4,11 1,11 #000000 1 carre biseau"}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             l.dessin(s);
                             COMPARE(s.appels().size(), std::size_t(13));
                             COMPARE(s.appels().front(), l.cadre);
                             VERIFIE(present(s.appels(), l.diagonale), l.diagonale);
                             VERIFIE(present(s.appels(), l.pointe), l.pointe);
                         });
}

ESSAI(feuilleEtCrayon) {
    SurfaceEnregistree s;
    dessinerExercice(s);
    const auto& a = s.appels();
    COMPARE(a.size(), std::size_t(8));
    COMPARE(a[0], std::string("rectangle 3,2 17,21 #ffffff 1 plein"));
    COMPARE(a[1], std::string("rectangle 3,2 17,21 #000000 1 contour"));
    COMPARE(a[5], std::string("segment 6,15 14,15 #0000a0 1 carre biseau"));
    // Only the pencil is smooth.
    COMPARE(a[6], std::string("lisser oui"));
    COMPARE(a[7], std::string("segment 21,6 13,17 #a05000 3 rond biseau"));
}
