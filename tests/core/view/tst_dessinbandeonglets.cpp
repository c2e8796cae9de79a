#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinBandeOnglets.h"

#include <string>

using namespace vedo;

namespace {

const CouleursBande couleurs{noir, {128, 128, 128}, blanc, {210, 205, 200}};

std::vector<std::string> textes(const std::vector<std::string>& appels) {
    std::vector<std::string> t;
    for (const std::string& a : appels)
        if (a.rfind("texte ", 0) == 0) t.push_back(a);
    return t;
}

} // namespace

// On the recording surface a character of Arial 8 measures 5 1/3 pixels and
// a line 13 1/3: titles of 8, 10, 9, 5 and 10 characters leave 413 - 224
// pixels, a gap of 18,9 on either side of each title.
ESSAI(bordsEtTitreActif) {
    struct Ligne {
        const char* nom;
        int actif;
        std::array<std::int16_t, 6> bords;
        Pixel coin;
        int largeur;
        std::string texteActif;
    };
    essai::lignes<Ligne>(
        {{"first tab active", 1, {-1, 79, 170, 256, 320, 413}, {14, 1}, 50,
          "texte 18,12.6667 \"Réaction\" Arial 8 gras #000000"},
         {"middle tab active", 3, {-1, 79, 170, 256, 320, 413}, {185, 1}, 55,
          "texte 189,12.6667 \"Affichage\" Arial 8 gras #000000"},
         {"last tab active", 5, {-1, 79, 170, 256, 320, 413}, {335, 1}, 61,
          "texte 339,12.6667 \"Historique\" Arial 8 gras #000000"}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            Toile toile(s);
            toile.setFond(couleurs.fond);
            const DispositionOnglets d = dessinerBandeOnglets(toile, 413, 221, l.actif, couleurs);
            COMPARE(s.appels().front(), std::string("remplir #d2cdc8"));
            COMPARE(d.hauteurTitre, 13);
            COMPARE(d.bords, l.bords);
            COMPARE(d.coinTitreActif.x, l.coin.x);
            COMPARE(d.coinTitreActif.y, l.coin.y);
            COMPARE(d.largeurTitreActif, l.largeur);
            COMPARE(d.hauteurTitreActif, 14);
            const auto t = textes(s.appels());
            COMPARE(t.size(), std::size_t(5));
            COMPARE(t.at(l.actif - 1), l.texteActif);
            // The panel's sunken frame is drawn last.
            COMPARE(s.appels().back(), std::string("rectangle 4,18 409,217 #ffffff 1 contour"));
        });
}
