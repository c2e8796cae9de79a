#include "view/Tangente.h"

#include "common/Rounding.h"

#include <cmath>

namespace vedo {

EtatAuTemps integrerJusqua(Quantites depart, const Conditions& conditions, std::int32_t t0, float ymax) {
    EtatAuTemps etat;
    etat.n = depart;
    distiller(etat.n, conditions);
    etat.k = constantesVitesse(conditions);
    const float echelle = echellePas(ymax, etat.n);
    double t = 0.0;
    while (t < t0) {
        double dt = pasTemps(etat.n, etat.k, echelle, t0);
        const bool atterrit = t + dt >= t0;
        if (atterrit) dt = t0 - t;
        const EtapeFaite faite = etapeIntegration(etat.n, etat.k, dt, conditions);
        // Past the equilibrium the corrector swings back harder than the predictor went.
        if (std::fabs(faite.x2) > std::fabs(faite.x1)) etat.equilibre = true;
        const double suivant = atterrit && !faite.raccourcie ? static_cast<double>(t0) : t + faite.dt;
        if (!(suivant > t)) break; // a step lost in rounding would never reach t0
        t = suivant;
    }
    const double somme = etat.n[0] + etat.n[1] + etat.n[2] + etat.n[3];
    if (!etat.equilibre && somme != 0.0) etat.pente = -vitesseBrute(etat.n, etat.k) / somme;
    return etat;
}

std::optional<SegmentTangente> segmentTangente(double n, double pente, std::int32_t t0,
                                               const PlotMapping& echelle) {
    if (echelle.duree <= 0 || !(echelle.ymax >= ymaxMinimal)) return std::nullopt;
    const int k = echelle.k;
    const double origine = n - pente * t0; // the line's amount at t = 0
    const auto y1 = versEntier32(echelle.Y(origine));
    if (!y1) return std::nullopt;
    SegmentTangente s{50, *y1, 50 + 300 * k, *y1};
    const auto fin = versSimple(pente * echelle.duree + origine); // at the right edge
    if (!fin) return std::nullopt;
    // A flat line outside the amount axis would cross neither the time axis
    // nor the top of the plot area: nothing is drawn.
    if (pente == 0.0) return *fin >= 0.0f && *fin <= echelle.ymax ? std::optional(s) : std::nullopt;

    std::optional<std::int32_t> x2 = s.x2;
    std::optional<std::int32_t> y2;
    const double pleineEchelle = echelle.duree * pente;
    if (*fin >= 0.0f && *fin <= echelle.ymax) {
        y2 = versEntier32(echelle.Y(*fin));
    } else if (*fin < 0.0f) {
        x2 = versEntier32(50.0 + 300.0 * k * -origine / pleineEchelle);
        y2 = 10 + 200 * k;
    } else {
        x2 = versEntier32(50.0 + 300.0 * k * (echelle.ymax - origine) / pleineEchelle);
        y2 = 10;
    }
    if (!x2 || !y2) return std::nullopt;
    s.x2 = *x2;
    s.y2 = *y2;
    return s;
}

Tangentes tangentes(const CourbeConservee& courbe, std::int32_t t0, const PlotMapping& echelle,
                    const CourbesAffichees& affichees) {
    const EtatAuTemps etat = integrerJusqua(courbe.quantites(), courbe.conditions(), t0, echelle.ymax);
    Tangentes resultat;
    resultat.k = etat.k;
    for (int i = 0; i < 4; ++i) {
        if (!affichees[i]) continue;
        const double pente = i < 2 ? etat.pente : -etat.pente; // products grow as reactants go
        resultat.segments[i] = segmentTangente(etat.n[i], pente, t0, echelle);
    }
    return resultat;
}

} // namespace vedo
