#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinBanniere.h"

#include <string>

using namespace vedo;

ESSAI(lettresDuJauneAuBlanc) {
    struct Ligne {
        const char* nom;
        int position;
        std::uint8_t bleu;
    };
    // "Ouvrir un exercice" has 18 characters: b = i / 18 x 100 + 155.
    essai::lignes<Ligne>({{"first letter", 1, 161}, {"tenth letter, 210.56 rounded", 10, 211},
                          {"last letter is white", 18, 255}},
                         [](const Ligne& l) {
                             COMPARE(couleurLettreBanniere(l.position, 18), (Couleur{255, 255, l.bleu}));
                         });
}

// Letter after letter from the margin, each advancing by its own width, the
// band's height centred two pixels high; an accent is one letter.
ESSAI(banniereLettreParLettre) {
    struct Ligne {
        const char* nom;
        int hauteur;
        std::string texte;
        std::vector<std::string> appels;
    };
    essai::lignes<Ligne>(
        {{"two letters on 57 pixels", 57, "Ab",
          {"remplir #000080", "texte 30,38.5 \"A\" Arial 24 gras #ffffcd",
           "texte 46,38.5 \"b\" Arial 24 gras #ffffff"}},
         {"an accented letter on 40 pixels", 40, "éa",
          {"remplir #000080", "texte 30,30 \"é\" Arial 24 gras #ffffcd",
           "texte 46,30 \"a\" Arial 24 gras #ffffff"}},
         {"no title", 57, "", {"remplir #000080"}}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            dessinerBanniere(s, l.hauteur, l.texte);
            COMPARE(s.appels(), l.appels);
        });
}
