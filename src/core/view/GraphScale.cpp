#include "view/GraphScale.h"

#include "common/NumberText.h"
#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vedo {

Quantites quantitesMaximales(const Quantites& q) {
    const double produits = std::min(q[2], q[3]);
    const double reactifs = std::min(q[0], q[1]);
    return {q[0] + produits, q[1] + produits, q[2] + reactifs, q[3] + reactifs};
}

namespace {
// A maximum beyond single precision does not fit `ymax`: that assignment is
// skipped, as every conversion that overflows.
void elever(float& ymax, const Quantites& initiales, const CourbesAffichees& affichees) {
    const Quantites maxima = quantitesMaximales(initiales);
    for (int i = 0; i < 4; ++i)
        if (affichees[i] && maxima[i] > static_cast<double>(ymax))
            if (const auto v = versSimple(maxima[i])) ymax = *v;
}
} // namespace

float ymaxBrut(const Quantites& initiales, const CourbesAffichees& affichees, const KeptRuns* conserves) {
    float ymax = 0.0f;
    elever(ymax, initiales, affichees);
    if (conserves && conserves->nbCourbes >= 0) {
        for (int j = 0; j <= conserves->nbCourbes && j < nombreEmplacements; ++j)
            elever(ymax, conserves->emplacement(j).quantites(), affichees);
        if (conserves->ymaxEnr > ymax) ymax = conserves->ymaxEnr;
    }
    return ymax;
}

float arrondirYmax(float ymax) {
    const std::string s = texteFormatSimple(ymax, "0.0E+00");
    if (s.size() < 6) return ymax;
    const double m0 = 10.0 * lireNombre(s.substr(0, 3)).value_or(0.0);
    const int e = static_cast<int>(lireNombre(s.substr(s.size() - 3)).value_or(0.0)) - 1;
    const double puissance = std::pow(10.0, e);
    double m = m0;
    if (static_cast<double>(ymax) > m * puissance + static_cast<double>(ymax) / 10000.0) m += 1.0;
    // Rounded up beyond single precision, the maximum stays as it was.
    return versSimple(m * puissance).value_or(ymax);
}

float ymaxGraphe(const Quantites& initiales, const CourbesAffichees& affichees, const KeptRuns* conserves) {
    const float brut = ymaxBrut(initiales, affichees, conserves);
    return brut < ymaxMinimal ? brut : arrondirYmax(brut);
}

void PixelRetenu::retenir(std::int16_t p, double origine, double pente) {
    // A millionth of a pixel inside the rounding boundaries: far beyond the
    // error of the arithmetic on coordinates that fit 16 bits, so no value of
    // the range can round to another pixel, halves included.
    constexpr double marge = 1e-6;
    const double a = (p - 0.5 + marge - origine) / pente;
    const double b = (p + 0.5 - marge - origine) / pente;
    bas_ = std::min(a, b);
    haut_ = std::max(a, b);
    pixel_ = p;
    if (!(bas_ <= haut_)) *this = {}; // a map without slope keeps nothing
}

std::int16_t uniteTemps(std::int32_t duree) {
    std::int16_t unite = 1;
    if (duree >= 600) unite = 60;
    if (duree >= 18000) unite = 3600;
    return unite;
}

std::string nomUnite(std::int16_t unite) {
    if (unite == 60) return "min";
    if (unite == 3600) return "h";
    return "s";
}

std::vector<Graduation> graduationsTemps(const PlotMapping& m) {
    std::vector<Graduation> lignes;
    if (m.duree <= 0) return lignes;
    const auto unite = static_cast<float>(uniteTemps(m.duree));
    const float duree = static_cast<float>(m.duree);
    const float pas = duree / 10.0f;
    for (float t = 0.0f; t <= duree; t += pas)
        lignes.push_back({m.X(t), texteGeneralSimple(t / unite)});
    return lignes;
}

std::vector<Graduation> graduationsQuantite(const PlotMapping& m) {
    std::vector<Graduation> lignes;
    if (!(m.ymax >= ymaxMinimal)) return lignes;
    const float fin = m.ymax + m.ymax / 100.0f;
    const float pas = m.ymax / 5.0f;
    // Near the top of single precision the end overflows: the loop then ends
    // when its variable does, after the line of ymax.
    for (float v = 0.0f; v <= fin && std::isfinite(v); v += pas) {
        const auto arrondi = lireNombre(texteFormatSimple(v, "0.00E+00")).value_or(0.0);
        lignes.push_back({m.Y(v), texteGeneralSimple(static_cast<float>(arrondi))});
    }
    return lignes;
}

} // namespace vedo
