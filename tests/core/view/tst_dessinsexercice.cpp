#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinAttente.h"
#include "view/DessinsExercice.h"

#include <functional>
#include <string>

using namespace vedo;

namespace {

bool finitPar(const std::string& texte, const std::string& fin) {
    return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

} // namespace

// Each picture of the exercise window and of the open dialog's wait notice
// is smooth; what it is made of, and how its last call ends.
ESSAI(petitesImagesLisses) {
    struct Ligne {
        const char* nom;
        std::function<void(Surface&)> dessin;
        std::size_t appels;
        std::string premierTrace, finDernier;
    };
    essai::lignes<Ligne>(
        {{"lit star: ten points from the top, outlined darker", [](Surface& s) { dessinerEtoile(s, true, 22); }, 2,
          "tracer M 11,1.32 L ", "#9f7d00 1 carre biseau | #ffc800"},
         {"unlit star", [](Surface& s) { dessinerEtoile(s, false, 22); }, 2, "tracer M 11,1.32 L ",
          "#3c3c3c 1 carre biseau | #606060"},
         {"hourglass: glass, two heaps of sand, two plates, its state given back",
          [](Surface& s) { dessinerSablier(s, {3, 4}, 12, 20); }, 8, "tracer M 4.8,6 L 13.2,6 L 9.72,14 ",
          "restaurer"},
         {"open book and arrow", dessinerOuvrirExercice, 10, "tracer M 2,8 L 15,11 L 15,29 L 2,26 Z ",
          "Z - | #009600"},
         {"red cross", dessinerFermerSansCharger, 3, "", "segment 25,7 7,25 #c80000 5 rond biseau"},
         {"wait hourglass: closed glass, two heaps of sand, two wooden plates", dessinerSablierAttente, 6,
          "tracer M 2,2 L 14,2 L 8,11 L 14,20 L 2,20 L 8,11 Z ", "segment 1,20.5 15,20.5 #785028 2 carre biseau"}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            l.dessin(s);
            const auto& a = s.appels();
            COMPARE(a.size(), l.appels);
            VERIFIE(a[0] == "lisser oui" || (a[0] == "sauver" && a[1] == "lisser oui"), a[0]);
            if (!l.premierTrace.empty()) {
                std::string trace;
                for (const std::string& appel : a)
                    if (trace.empty() && appel.rfind("tracer ", 0) == 0) trace = appel;
                COMPARE(trace.substr(0, l.premierTrace.size()), l.premierTrace);
            }
            VERIFIE(finitPar(a.back(), l.finDernier), a.back());
        });
}

// The plates of the hourglass: a tenth of its height at the top and at the
// bottom, its whole width, without outline.
ESSAI(plateauxDuSablier) {
    SurfaceEnregistree s;
    dessinerSablier(s, {3, 4}, 12, 20);
    const auto& a = s.appels();
    COMPARE(a[5], std::string("rectangle 3,4 15,6 - | #78461e"));
    COMPARE(a[6], std::string("rectangle 3,22 15,24 - | #78461e"));
}
