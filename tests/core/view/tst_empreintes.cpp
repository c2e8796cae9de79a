#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "drawing/Toile.h"
#include "view/Apparatus.h"
#include "view/DessinAttente.h"
#include "view/DessinBandeOnglets.h"
#include "view/DessinBanniere.h"
#include "view/DessinIconeProgramme.h"
#include "view/DessinMachine.h"
#include "view/DessinsBoutons.h"
#include "view/DessinsExercice.h"
#include "view/FondFeuilleP.h"
#include "view/Glassware.h"
#include "view/GraphPainter.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <iostream>
#include <random>
#include <string>

using namespace vedo;

namespace {

// The calls made on the picture itself: a layer is drawn once for the whole
// program, by whichever picture asks first, and has a row of its own.
std::vector<std::string> surLImage(const std::vector<std::string>& appels) {
    std::vector<std::string> gardes;
    int calques = 0;
    for (const std::string& a : appels) {
        if (a.rfind("calque ", 0) == 0) ++calques;
        if (calques == 0) gardes.push_back(a);
        if (a == "fin calque") --calques;
    }
    return gardes;
}

// FNV-1a over every call, one line each.
std::uint64_t empreinte(const std::vector<std::string>& appels) {
    std::uint64_t h = 14695981039346656037ull;
    for (const std::string& appel : appels)
        for (const char c : appel + '\n') {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ull;
        }
    return h;
}

std::string hex(std::uint64_t h) {
    char texte[19];
    std::snprintf(texte, sizeof texte, "%016llx", static_cast<unsigned long long>(h));
    return texte;
}

void montage(Surface& s, int temperature, bool distillation) {
    std::mt19937 alea(7);
    fondi(s, 361, 235, temperature, distillation, alea);
}

} // namespace

// Each picture as the calls it makes, to the last digit the recording keeps:
// what the student sees changes only when a fingerprint here does, natively
// and under node alike. A picture meant to change shows its new calls and
// fingerprint on failure.
ESSAI(empreintesDesImages) {
    struct Ligne {
        const char* nom;
        std::function<void(Surface&)> dessin;
        std::size_t appels;
        const char* empreinte;
    };
    const CouleursBande bande{noir, {128, 128, 128}, blanc, {210, 205, 200}};
    essai::lignes<Ligne>(
        {
            {"apparatus: flask in ice at 0 °C", [](Surface& s) { montage(s, 0, false); }, 589, "d8316ca82dc877da"},
            {"apparatus: flask alone at 20 °C", [](Surface& s) { montage(s, 200, false); }, 306, "11464af3c1fea0ff"},
            {"apparatus: reflux at 100 °C", [](Surface& s) { montage(s, 1000, false); }, 284, "b651805e2f12340d"},
            {"apparatus: distillation", [](Surface& s) { montage(s, 600, true); }, 284, "98c193f6331516bb"},
            {"ball condenser", dessinerRefrigerantABoules, 54, "4773e1ff40628036"},
            {"distillation glassware", dessinerDistillation, 87, "0155c190058e656c"},
            {"enlarge button", dessinerAgrandir, 13, "3983951cc5936eac"},
            {"restore button", dessinerRestaurer, 13, "5a79e011be2d891c"},
            {"exercise button", dessinerExercice, 8, "f388b3988b84e654"},
            {"lit star", [](Surface& s) { dessinerEtoile(s, true, 22); }, 2, "2b375a6f86275bf6"},
            {"working-time hourglass", [](Surface& s) { dessinerSablier(s, {3, 4}, 12, 20); }, 8, "ddd4f9f35b65e68b"},
            {"open-exercise button", dessinerOuvrirExercice, 10, "20d51ca6ec3ea3a7"},
            {"close-without-loading button", dessinerFermerSansCharger, 3, "a6c3bf1160d59bb2"},
            {"wait hourglass", dessinerSablierAttente, 6, "2c0e1e823b06fe3d"},
            {"exercise window banner", [](Surface& s) { dessinerBanniere(s, 57, "Ouvrir un exercice"); }, 19, "fdd8456e12c98bdb"},
            {"program icon", [](Surface& s) { dessinerIconeProgramme(s, 32); }, 9, "0c7fd9d11a658476"},
            {"calculator face", [](Surface& s) { dessinerFaceMachine(s, 302, 431); }, 307, "185421df7fb30ae3"},
            {"tab strip, third tab in front",
             [bande](Surface& s) {
                 Toile toile(s);
                 dessinerBandeOnglets(toile, 413, 221, 3, bande);
             },
             31, "84d4716fc13d761d"},
            {"graph frame, 10 min, normal size",
             [](Surface& s) {
                 CadreGraphe c;
                 c.echelle = {1, 600, 2.0f};
                 c.couleurs = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0}, Couleur{0, 128, 0}};
                 c.departs = {1.0, 2.0, 0.0, 0.0};
                 dessinerCadre(s, c);
             },
             50, "2d4136d0ab089657"},
            {"graph frame, 1 h, enlarged",
             [](Surface& s) {
                 CadreGraphe c;
                 c.echelle = {2, 3600, 5.0f};
                 c.couleurs = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0}, Couleur{0, 128, 0}};
                 c.departs = {2.0, 2.0, 1.0, 0.0};
                 dessinerCadre(s, c);
             },
             50, "e4330481922e8769"},
            {"main window background", [](Surface& s) { dessinerFondFeuilleP(s, 759, 521, {392, 339}, {749, 511}); },
             523, "6c88ca8fcff91fea"},
        },
        [](const Ligne& l) {
            SurfaceEnregistree s;
            l.dessin(s);
            const std::vector<std::string> appels = surLImage(s.appels());
            const std::string obtenue = hex(empreinte(appels));
            if (obtenue != l.empreinte || appels.size() != l.appels) {
                for (const std::string& a : appels) std::cerr << "    " << a << '\n';
                std::cerr << l.nom << ": " << appels.size() << " appels, empreinte " << obtenue << '\n';
            }
            COMPARE(appels.size(), l.appels);
            COMPARE(obtenue, std::string(l.empreinte));
        });
}
