#include "EssaiCoeur.h"

#include "engine/RateLaw.h"

#include <cmath>

using namespace vedo;

ESSAI(temperatureFactor) {
    struct Ligne {
        const char* nom;
        int temperature, catalyseur;
        double facteur;
    };
    essai::lignes<Ligne>({{"0 degC", 0, 0, 1.0},
                          {"20 degC", 200, 0, 4.0},
                          {"20 degC with catalyst", 200, 1, 12.0},
                          {"100 degC", 1000, 0, 36.0},
                          {"50 degC", 500, 0, 12.25}},
                         [](const Ligne& l) {
                             COMPARE(facteurTemperature(std::int16_t(l.temperature), std::int16_t(l.catalyseur)),
                                     l.facteur);
                         });
}

ESSAI(constants) {
    struct Ligne {
        const char* nom;
        int reaction, classe, temperature, catalyseur;
        float kDirect, kInverse;
    };
    // At 20 degC the temperature factor is 4: 4 x 1e-5, 4 x 0.05, 4 x 1e-4, 4 x 0.003.
    essai::lignes<Ligne>({{"esterification, primary", 0, 0, 200, 0, 4e-5f, 1e-5f},
                          {"esterification, secondary", 0, 1, 200, 0, 2e-5f, 2e-5f},
                          {"esterification, tertiary", 0, 2, 200, 0, 4e-6f, 7.06e-4f},
                          {"anhydride, any class", 1, 2, 200, 0, 0.2f, 2e-6f},
                          {"hydrolysis, primary", 2, 0, 200, 0, 1e-4f, 4e-4f},
                          {"hydrolysis, secondary", 2, 1, 200, 0, 4e-4f, 4e-4f},
                          {"hydrolysis, tertiary", 2, 2, 200, 0, 0.0706f, 4e-4f},
                          {"saponification", 3, 0, 200, 0, 0.012f, 1.2e-7f},
                          // 36 at 100 degC, tripled by the catalyst: 108.
                          {"esterification, primary, 100 degC, catalyst", 0, 0, 1000, 1, 1.08e-3f, 2.7e-4f}},
                         [](const Ligne& l) {
                             Conditions c;
                             c.reaction = std::int16_t(l.reaction);
                             c.classeAlcool = std::int16_t(l.classe);
                             c.temperature = std::int16_t(l.temperature);
                             c.catalyseur = std::int16_t(l.catalyseur);
                             const auto k = constantesVitesse(c);
                             // COMPARE takes singles below 1e-5 for zero: compare to the value itself.
                             VERIFIE(std::fabs(k.kDirect / l.kDirect - 1.0f) < 1e-6f, k.kDirect);
                             VERIFIE(std::fabs(k.kInverse / l.kInverse - 1.0f) < 1e-6f, k.kInverse);
                         });
}

ESSAI(timeStep) {
    struct Ligne {
        const char* nom;
        double nA, nC;
        float ymax;
        double pas;
    };
    essai::lignes<Ligne>({// 1 mol of acid and alcohol at 20 degC: R = 4e-5 mol/s, S = 2 mol.
                          {"thousandth of the axis: 0.001 x 1 x 2 / 4e-5", 1.0, 0.0, 1.0f, 50.0},
                          {"twice the axis, twice the step", 1.0, 0.0, 2.0f, 100.0},
                          // 2 mol of acid: R = 8e-5 mol/s, S = 3 mol.
                          {"unequal reactants: 0.001 x 1 x 3 / 8e-5", 2.0, 0.0, 1.0f, 37.5},
                          {"zero rate: duration / 400", 0.0, 0.0, 1.0f, 600.0 / 400.0},
                          {"zero axis: 0.01 s", 1.0, 0.0, 0.0f, 0.01}},
                         [](const Ligne& l) {
                             Conditions c;
                             const Quantites n = {l.nA, 1.0, l.nC, 0.0};
                             // The constants are singles: 4e-5 is known to about 1e-7 of itself.
                             VERIFIE(std::fabs(pasTemps(n, constantesVitesse(c), l.ymax, 600) - l.pas) <= 1e-6 * l.pas);
                         });
}

ESSAI(stepScale) {
    struct Ligne {
        const char* nom;
        Quantites n;
        float ymax, echelle;
    };
    essai::lignes<Ligne>({{"an axis over the run is kept", {1, 2, 0, 0}, 2.0f, 2.0f},
                          {"an axis of exactly min(nA, nB) is kept", {1, 2, 0, 0}, 1.0f, 1.0f},
                          {"an axis under the run: min(nA, nB)", {1, 2, 0, 0}, 0.5f, 1.0f},
                          {"nothing shown: no axis, fixed steps", {1, 2, 0, 0}, 0.0f, 0.0f},
                          {"or min(nC, nD) when larger", {1, 2, 3, 5}, 0.5f, 3.0f},
                          {"amounts far beyond the axis", {3e38, 3e38, 3e38, 3e38}, 1.0f, 3e38f},
                          {"nothing can react: the axis", {1, 0, 1, 0}, 0.0f, 0.0f}},
                         [](const Ligne& l) { COMPARE(echellePas(l.ymax, l.n), l.echelle); });
}

ESSAI(stepConservesTotalAndStaysPositive) {
    struct Ligne {
        const char* nom;
        int reaction;
        double nA, dt;
    };
    essai::lignes<Ligne>({{"ordinary step", 0, 1.0, 10.0},
                          {"anhydride nearly used up, huge step", 1, 1e-6, 1000.0},
                          {"saponification nearly used up", 3, 1e-4, 500.0}},
                         [](const Ligne& l) {
                             Conditions c;
                             c.reaction = std::int16_t(l.reaction);
                             c.temperature = 1000;
                             Quantites n = {l.nA, 5.0, 0.5, 0.5};
                             const double total = n[0] + n[1] + n[2] + n[3];
                             const auto faite = etapeIntegration(n, constantesVitesse(c), l.dt, c);
                             for (double q : n)
                                 VERIFIE(q >= 0.0, "an amount went below zero");
                             COMPARE(n[0] + n[1] + n[2] + n[3], total);
                             VERIFIE(faite.dt <= l.dt);
                         });
}

// Forward constant 1/s, from 1 mol of A and B (S = 2 mol): x1 = dt / 2,
// x2 = dt (1 - x1)^2 / 2, and the amounts move by (x1 + x2) / 2; each
// other row says what it changes.
ESSAI(step) {
    struct Ligne {
        const char* nom;
        float kDirect, kInverse;
        Quantites depart;
        double dt;
        int distille;
        double pris, x1, x2;
        Quantites arrivee;
    };
    essai::lignes<Ligne>(
        {{"1 s: x1 0.5, x2 0.125", 1.0f, 0.0f, {1, 1, 0, 0}, 1.0, -1, 1.0, 0.5, 0.125,
          {0.6875, 0.6875, 0.3125, 0.3125}},
         {"reverse only, from the products", 0.0f, 1.0f, {0, 0, 1, 1}, 1.0, -1, 1.0, -0.5, -0.125,
          {0.3125, 0.3125, 0.6875, 0.6875}},
         // S = 2, R = -1.5 x 0.5: x1 = -0.375; predicted C 1.125, D 0.125: x2 = -0.140625 / 2.
         {"reverse only, unequal products", 0.0f, 1.0f, {0, 0, 1.5, 0.5}, 1.0, -1, 1.0, -0.375, -0.0703125,
          {0.22265625, 0.22265625, 1.27734375, 0.27734375}},
         // 4 s would leave -1 mol of A; 2 s uses up A exactly in the predictor.
         {"4 s halved once to 2 s", 1.0f, 0.0f, {1, 1, 0, 0}, 4.0, -1, 2.0, 1.0, 0.0, {0.5, 0.5, 0.5, 0.5}},
         {"8 s halved twice to 2 s", 1.0f, 0.0f, {1, 1, 0, 0}, 8.0, -1, 2.0, 1.0, 0.0, {0.5, 0.5, 0.5, 0.5}},
         // S = 1: x1 = 0.25, x2 = 0.25^2, x = 0.15625.
         {"half a mole each, S = 1", 1.0f, 0.0f, {0.5, 0.5, 0, 0}, 1.0, -1, 1.0, 0.25, 0.0625,
          {0.34375, 0.34375, 0.15625, 0.15625}},
         {"no matter at all: nothing moves", 1.0f, 0.0f, {0, 0, 0, 0}, 1.0, -1, 1.0, 0.0, 0.0, {0, 0, 0, 0}},
         {"water distilled after the step", 1.0f, 0.0f, {1, 1, 0, 0}, 1.0, 3, 1.0, 0.5, 0.125,
          {0.6875, 0.6875, 0.3125, 0.0}}},
        [](const Ligne& l) {
            Conditions c;
            c.distillation = l.distille >= 0 ? 1 : 0;
            c.especeVolatile = std::int16_t(l.distille);
            Quantites n = l.depart;
            const auto faite = etapeIntegration(n, {l.kDirect, l.kInverse}, l.dt, c);
            COMPARE(faite.dt, l.pris);
            COMPARE(faite.raccourcie, l.pris != l.dt);
            COMPARE(faite.x1, l.x1);
            COMPARE(faite.x2, l.x2);
            COMPARE(n, l.arrivee);
        });
}

ESSAI(distillationEmptiesTheChosenSpeciesOnly) {
    struct Ligne {
        const char* nom;
        int distillation, espece, videe;
    };
    essai::lignes<Ligne>({{"water distilled", 1, 3, 3},
                          {"acid distilled", 1, 0, 0},
                          {"nothing chosen", 1, -1, -1},
                          {"first index beyond the list", 1, 4, -1},
                          {"index beyond the list", 1, 7, -1},
                          {"distillation off", 0, 3, -1}},
                         [](const Ligne& l) {
                             Conditions c;
                             c.distillation = std::int16_t(l.distillation);
                             c.especeVolatile = std::int16_t(l.espece);
                             Quantites n = {1, 2, 3, 4};
                             distiller(n, c);
                             for (int i = 0; i < 4; ++i)
                                 COMPARE(n[i], i == l.videe ? 0.0 : double(i + 1));
                         });
}
