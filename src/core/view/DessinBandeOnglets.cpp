#include "view/DessinBandeOnglets.h"

#include "common/Rounding.h"

#include <cmath>

namespace vedo {

int hauteurTitreOnglet(const Toile& toile) {
    return static_cast<int>(arrondiPair(toile.hauteurTexte()));
}

DispositionOnglets dessinerBandeOnglets(Toile& toile, int largeur, int hauteur, int actif,
                                        const CouleursBande& couleurs) {
    DispositionOnglets d;
    toile.effacer();
    toile.setPolice(Police{});
    toile.setEncre(couleurs.encre);
    d.hauteurTitre = hauteurTitreOnglet(toile);

    // The active title is bold.
    std::array<double, 6> largeurTitre{};
    for (int i = 1; i <= 5; ++i) {
        toile.setGras(i == actif);
        largeurTitre[i] = toile.largeurTexte(titresDesOnglets[i]);
    }
    int total = 0;
    for (int i = 1; i <= 5; ++i)
        total = static_cast<int>(arrondiPair(total + largeurTitre[i]));
    const int W = largeur;
    const int H = hauteur;
    const float ecartOnglet = static_cast<float>(W - total) / 10.0f;

    auto& bords = d.bords;
    bords[0] = -1;
    for (int i = 1; i <= 4; ++i)
        bords[i] = static_cast<std::int16_t>(arrondiPair(bords[i - 1] + largeurTitre[i] + 2.0 * ecartOnglet));
    bords[5] = static_cast<std::int16_t>(W);

    const int h = d.hauteurTitre;
    toile.rectangle({0, 0}, {W - 1.0, H - 1.0}, couleurs.ombre);
    toile.ligne({0, 0}, {0, H - 1.0}, couleurs.lumiere);
    for (int i = 0; i <= 5; ++i) {
        const double b = bords[i];
        toile.ligne({b - 1, 1}, {b - 1, h + 1.0}, couleurs.ombre);
        toile.ligne({b, 0}, {b, double(h)}, couleurs.lumiere);
    }
    for (int i = 0; i <= 4; ++i)
        toile.ligne({bords[i] + 1.0, 0}, {bords[i + 1] - 1.0, 0}, couleurs.lumiere);

    const int a = actif;
    toile.ligne({0, h + 1.0}, {bords[a - 1] + 2.0, h + 1.0}, couleurs.lumiere);
    toile.ligne({double(bords[a]), h + 1.0}, {double(W), h + 1.0}, couleurs.lumiere);

    for (int i = 1; i <= 5; ++i) {
        toile.setGras(i == a);
        toile.placer(bords[i - 1] + ecartOnglet, i == a ? 2 : 1);
        if (i == a) {
            // The pixels the title's box touches.
            const double gauche = toile.courant().x - 3;
            const int x0 = static_cast<int>(std::floor(gauche));
            const int x1 = static_cast<int>(std::ceil(gauche + (largeurTitre[i] + 6)));
            d.coinTitreActif = {x0, 1};
            d.largeurTitreActif = x1 - x0;
            d.hauteurTitreActif = h + 1;
        }
        toile.imprimer(titresDesOnglets[i], false);
    }
    toile.setGras(false);

    toile.rectangle({1, h + 2.0}, {W - 2.0, H - 2.0}, couleurs.fond);
    toile.rectangle({2, h + 3.0}, {W - 3.0, H - 3.0}, couleurs.fond);
    toile.rectangle({3, h + 4.0}, {W - 4.0, H - 4.0}, couleurs.ombre);
    toile.rectangle({4, h + 5.0}, {W - 4.0, H - 4.0}, couleurs.lumiere);
    return d;
}

} // namespace vedo
