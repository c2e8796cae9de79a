#include "EssaiCoeur.h"

#include "view/Tangente.h"

#include <cmath>
#include <optional>
#include <string>

using namespace vedo;

namespace {

Conditions conditions(std::int16_t reaction, std::int16_t temperature, std::int16_t catalyseur,
                      std::int16_t volatile_ = -1) {
    Conditions c;
    c.reaction = reaction;
    c.temperature = temperature;
    c.catalyseur = catalyseur;
    c.especeVolatile = volatile_;
    c.distillation = volatile_ >= 0 ? 1 : 0;
    return c;
}

// The amounts of the model at time t from its closed form. With x the
// advancement, dx/dt = (kD (a - x)(b - x) - kI (c + x)(d + x)) / S is a
// Riccati equation: with r1, r2 the roots of its right side,
// (x - r2) / (x - r1) = (r2 / r1) exp((kD - kI)(r2 - r1) t / S).
Quantites exactes(const Quantites& depart, const Conditions& conditions, double t) {
    const ConstantesVitesse k = constantesVitesse(conditions);
    const double kD = k.kDirect, kI = k.kInverse;
    const auto [a, b, c, d] = depart;
    const double qa = kD - kI, qb = -(kD * (a + b) + kI * (c + d)), qc = kD * a * b - kI * c * d;
    double x = 0.0; // a null rate at the start stays null
    if (qc != 0.0) {
        const double racine = std::sqrt(qb * qb - 4 * qa * qc);
        const double r1 = (-qb - racine) / (2 * qa), r2 = (-qb + racine) / (2 * qa);
        const double q = r2 / r1 * std::exp(qa * (r2 - r1) * t / (a + b + c + d));
        x = (r2 - q * r1) / (1 - q);
    }
    return {a - x, b - x, c + x, d + x};
}

CourbeConservee courbe(const Quantites& q, const Conditions& c) {
    CourbeConservee r;
    for (int i = 0; i < 4; ++i)
        r.courbeQuantite[i + 1] = q[i];
    r.courbeParam = {c.reaction,       c.temperature,  c.classeAlcool,
                     c.especeVolatile, c.distillation, c.catalyseur};
    r.courbeDuree = 600;
    return r;
}

} // namespace

// The tangent point lies on the curve of the model, whose steps of a
// thousandth of the axis keep within 2e-5 mol of the closed form (5e-6
// after an hour at 100 degC with the catalyst, the steps then being long).
ESSAI(amountsAtTheCursorTime) {
    struct Ligne {
        const char* nom;
        Quantites depart;
        Conditions conditions;
        int t0;
    };
    essai::lignes<Ligne>({{"esterification at 20 degC, 300 s", {1, 1, 0, 0}, conditions(0, 200, 0), 300},
                          {"hot catalysed esterification, 1 h", {1, 2, 0, 0}, conditions(0, 1000, 1), 3600},
                          {"fast saponification, 7 s", {0.5, 1, 0, 0}, conditions(3, 1000, 0), 7},
                          {"ester hydrolysed back, 10 min", {0.2, 0.2, 1, 1}, conditions(0, 1000, 1), 600},
                          {"hydrolysis with water distilled", {0, 0, 1, 1}, conditions(2, 800, 1, 3), 1200},
                          {"nothing reacts", {0, 1, 0, 1}, conditions(0, 200, 0), 500}},
                         [](const Ligne& l) {
                             Quantites depart = l.depart;
                             const EtatAuTemps etat = integrerJusqua(depart, l.conditions, l.t0, 2.0f);
                             distiller(depart, l.conditions); // the distilled species is gone from the start
                             const Quantites attendu = exactes(depart, l.conditions, l.t0);
                             for (int i = 0; i < 4; ++i)
                                 VERIFIE(std::fabs(etat.n[i] - attendu[i]) < 2e-5,
                                         std::to_string(i) + ": " + std::to_string(etat.n[i]) + " vs " +
                                             std::to_string(attendu[i]));
                         });
}

// The slope of A is minus the rate of the model at the closed-form amounts.
ESSAI(slope) {
    struct Ligne {
        const char* nom;
        Quantites depart;
        Conditions conditions;
        int t0;
        bool equilibre;
    };
    essai::lignes<Ligne>({{"reactants being used up", {1, 1, 0, 0}, conditions(0, 1000, 1), 300, false},
                          {"ester being hydrolysed", {0, 0, 1, 1}, conditions(0, 1000, 1), 300, false},
                          {"at the start", {1, 1, 0, 0}, conditions(0, 200, 0), 0, false},
                          {"equilibrium after 200 h", {1, 1, 0, 0}, conditions(0, 1000, 1), 720000, true},
                          {"no product and no alcohol", {1, 0, 0, 0}, conditions(0, 200, 0), 100, false}},
                         [](const Ligne& l) {
                             const EtatAuTemps etat = integrerJusqua(l.depart, l.conditions, l.t0, 2.0f);
                             COMPARE(etat.equilibre, l.equilibre);
                             const ConstantesVitesse k = constantesVitesse(l.conditions);
                             const auto [a, b, c, d] = exactes(l.depart, l.conditions, l.t0);
                             const double pente =
                                 l.equilibre ? 0.0 : -(k.kDirect * a * b - k.kInverse * c * d) / (a + b + c + d);
                             VERIFIE(std::fabs(etat.pente - pente) <= 1e-5 * std::fabs(pente),
                                     std::to_string(etat.pente) + " vs " + std::to_string(pente));
                         });
}

// Graph of 600 s, amount axis 2 mol unless said: plot area (50, 10)..(350, 210).
ESSAI(segment) {
    struct Ligne {
        const char* nom;
        int k;
        double n, pente;
        int t0;
        float ymax;
        std::optional<std::array<int, 4>> attendu; // x1, y1, x2, y2
    };
    using S = std::array<int, 4>;
    essai::lignes<Ligne>(
        {{"horizontal", 1, 1.0, 0.0, 300, 2.0f, S{50, 110, 350, 110}},
         {"horizontal, enlarged", 2, 1.0, 0.0, 300, 2.0f, S{50, 210, 650, 210}},
         {"down to the right edge", 1, 1.0, -1.0 / 1200, 300, 2.0f, S{50, 85, 350, 135}},
         {"down to the time axis", 1, 0.5, -1.0 / 300, 300, 2.0f, S{50, 60, 275, 210}},
         {"up to the top of the plot area", 1, 1.5, 1.0 / 300, 300, 2.0f, S{50, 160, 275, 10}},
         {"up to the top, enlarged", 2, 1.5, 1.0 / 300, 300, 2.0f, S{50, 310, 500, 10}},
         {"down to the time axis, enlarged", 2, 0.5, -1.0 / 300, 300, 2.0f, S{50, 110, 500, 410}},
         {"starting above the plot area", 1, 1.0, -1.0 / 150, 300, 2.0f, S{50, -90, 275, 210}},
         {"horizontal on the top of the plot area", 1, 2.0, 0.0, 300, 2.0f, S{50, 10, 350, 10}},
         {"horizontal above the amount axis: nothing", 1, 3.0, 0.0, 300, 2.0f, std::nullopt},
         {"horizontal below zero: nothing", 1, -0.5, 0.0, 300, 2.0f, std::nullopt},
         {"x on the time axis rounds halves to even", 1, 0.5, -1.0 / 300, 301, 2.0f, S{50, 60, 276, 210}},
         {"up to the top of an axis of 0,5 mol: X = 50 + 300 x 0,3 / 0,4", 1, 0.4, 1.0 / 1500, 300, 0.5f,
          S{50, 130, 275, 10}}},
        [](const Ligne& l) {
            const auto s = segmentTangente(l.n, l.pente, l.t0, {l.k, 600, l.ymax});
            COMPARE(s.has_value(), l.attendu.has_value());
            if (s) COMPARE((S{s->x1, s->y1, s->x2, s->y2}), *l.attendu);
        });
}

ESSAI(noSegmentWithoutAScale) {
    struct Ligne {
        const char* nom;
        int duree;
        float ymax;
    };
    essai::lignes<Ligne>({{"no duration", 0, 2.0f}, {"empty amount axis", 600, 0.0f}}, [](const Ligne& l) {
        VERIFIE(!segmentTangente(1.0, -0.001, 100, {1, l.duree, l.ymax}).has_value());
    });
}

// Products grow as the reactants go: their lines lean the other way.
ESSAI(oneLinePerShownSpecies) {
    const CourbeConservee c = courbe({1, 2, 0, 0}, conditions(0, 1000, 1));
    const Tangentes t = tangentes(c, 120, {1, 600, 2.0f}, {true, false, true, true});
    VERIFIE(t.segments[0].has_value());
    VERIFIE(!t.segments[1].has_value());
    VERIFIE(t.segments[0]->y2 > t.segments[0]->y1);
    VERIFIE(t.segments[2]->y2 < t.segments[2]->y1);
    COMPARE(t.segments[2]->y1, t.segments[3]->y1);
    COMPARE(t.k.kDirect, 1.08e-3f); // 1e-5 x 36 at 100 degC x 3 with the catalyst
}

// Around the cursor's time the line follows the curve to within a pixel.
ESSAI(lineTouchesTheCurve) {
    struct Ligne {
        const char* nom;
        int espece;
        int t0;
    };
    essai::lignes<Ligne>({{"A early", 0, 60}, {"B late", 1, 540}, {"C early", 2, 60}, {"D half way", 3, 300}},
                         [](const Ligne& l) {
                             const PlotMapping m{1, 600, 2.0f};
                             const CourbeConservee c = courbe({1, 2, 0, 0}, conditions(0, 1000, 1));
                             const Tangentes t = tangentes(c, l.t0, m, {true, true, true, true});
                             const auto& s = *t.segments[static_cast<std::size_t>(l.espece)];
                             for (int ecart : {-20, 0, 20}) {
                                 const double x = m.X(l.t0 + ecart);
                                 const double yLigne = s.y1 + (s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
                                 const double yCourbe = m.Y(
                                     integrerJusqua(c.quantites(), c.conditions(), l.t0 + ecart, m.ymax).n[l.espece]);
                                 VERIFIE(std::abs(yLigne - yCourbe) <= 1.0, std::to_string(ecart) + " s: " +
                                                                               std::to_string(yLigne) + " vs " +
                                                                               std::to_string(yCourbe));
                             }
                         });
}
