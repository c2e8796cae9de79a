#include "engine/RateLaw.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vedo {

namespace {
constexpr double echelonPas = 0.001;
constexpr double pasSiPasNul = 0.01;
constexpr int demiPasMax = 100;

double somme(const Quantites& n) {
    return n[0] + n[1] + n[2] + n[3];
}
bool unNegatif(const Quantites& n) {
    return std::any_of(n.begin(), n.end(), [](double q) { return q < 0.0; });
}
} // namespace

double facteurTemperature(std::int16_t temperature, std::int16_t catalyseur) {
    const double base = static_cast<double>(temperature + 200) / 200.0;
    double f = base * base;
    if (catalyseur == 1) f *= 3.0;
    return f;
}

ConstantesVitesse constantesVitesse(const Conditions& c) {
    const double f = facteurTemperature(c.temperature, c.catalyseur);
    ConstantesVitesse k;
    const auto simple = [](double v) { return static_cast<float>(v); };
    switch (c.reaction) {
    case 0:
        k.kDirect = simple(f * 1e-5);
        if (c.classeAlcool == 0) k.kInverse = simple(k.kDirect / 4.0);
        if (c.classeAlcool == 1) {
            k.kDirect = simple(k.kDirect / 2.0);
            k.kInverse = k.kDirect;
        }
        if (c.classeAlcool == 2) {
            k.kDirect = simple(k.kDirect / 10.0);
            k.kInverse = simple(k.kDirect * 176.5);
        }
        break;
    case 1:
        k.kDirect = simple(f * 0.05);
        k.kInverse = simple(k.kDirect * 1e-5);
        break;
    case 2:
        k.kInverse = simple(f * 1e-4);
        if (c.classeAlcool == 0) k.kDirect = simple(k.kInverse / 4.0);
        if (c.classeAlcool == 1) k.kDirect = k.kInverse;
        if (c.classeAlcool == 2) k.kDirect = simple(k.kInverse * 176.5);
        break;
    case 3:
        k.kDirect = simple(f * 0.003);
        k.kInverse = simple(k.kDirect * 1e-5);
        break;
    default:
        break;
    }
    return k;
}

double vitesseBrute(const Quantites& n, ConstantesVitesse k) {
    return static_cast<double>(k.kDirect) * n[0] * n[1] - static_cast<double>(k.kInverse) * n[2] * n[3];
}

double pasTemps(const Quantites& n, ConstantesVitesse k, float ymax, std::int32_t duree) {
    const double r = std::fabs(vitesseBrute(n, k));
    double dt = r != 0.0 ? echelonPas * static_cast<double>(ymax) * std::fabs(somme(n)) / r
                         : static_cast<double>(duree) / 400.0;
    if (dt == 0.0) dt = pasSiPasNul;
    return dt;
}

float echellePas(float ymax, const Quantites& n) {
    const double propre = std::max(std::min(n[0], n[1]), std::min(n[2], n[3]));
    if (ymax == 0.0f || !(propre > static_cast<double>(ymax))) return ymax;
    return static_cast<float>(std::min(propre, static_cast<double>(std::numeric_limits<float>::max())));
}

void distiller(Quantites& n, const Conditions& c) {
    if (c.distillation == 1 && c.especeVolatile >= 0 && c.especeVolatile <= 3) n[c.especeVolatile] = 0.0;
}

EtapeFaite etapeIntegration(Quantites& n, ConstantesVitesse k, double dt, const Conditions& c) {
    EtapeFaite faite{dt, false};
    const double s = somme(n);
    if (s != 0.0) {
        const bool dejaNegatif = unNegatif(n);
        for (int demi = 0;; ++demi) {
            const double x1 = faite.dt * vitesseBrute(n, k) / s;
            const Quantites predites = {n[0] - x1, n[1] - x1, n[2] + x1, n[3] + x1};
            const double x2 = faite.dt * vitesseBrute(predites, k) / s;
            const double x = (x1 + x2) / 2.0;
            const Quantites suivantes = {n[0] - x, n[1] - x, n[2] + x, n[3] + x};
            if (!dejaNegatif && unNegatif(suivantes) && demi < demiPasMax) {
                faite.dt /= 2.0;
                faite.raccourcie = true;
                continue;
            }
            n = suivantes;
            faite.x1 = x1;
            faite.x2 = x2;
            break;
        }
    }
    distiller(n, c);
    return faite;
}

} // namespace vedo
