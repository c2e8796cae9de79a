#include "EssaiCoeur.h"

#include "RecordingSink.h"
#include "engine/RunLoop.h"

#include <algorithm>
#include <cmath>

using namespace vedo;

namespace {

ParametresRun parametres(int reaction, int classe, std::int32_t duree, float ymax) {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = duree;
    p.conditions.reaction = std::int16_t(reaction);
    p.conditions.classeAlcool = std::int16_t(classe);
    p.ymax = ymax;
    p.remplirTableau = true;
    return p;
}

double qr(const Quantites& n) {
    return n[2] * n[3] / (n[0] * n[1]);
}

} // namespace

ESSAI(equilibrium) {
    struct Ligne {
        const char* nom;
        int reaction, classe;
        double depart;     // mol of A and of B at the start
        double avancement; // fraction of A consumed at equilibrium
        double quotient;
    };
    const double xTertiaire = 1.0 / (1.0 + std::sqrt(176.5));
    essai::lignes<Ligne>({{"esterification, primary: 2/3", 0, 0, 1.0, 2.0 / 3.0, 4.0},
                          {"esterification, secondary: 1/2", 0, 1, 1.0, 0.5, 1.0},
                          {"esterification, tertiary", 0, 2, 1.0, xTertiaire, 1.0 / 176.5},
                          {"hydrolysis, primary: mirror 1/3", 2, 0, 1.0, 1.0 / 3.0, 0.25},
                          // Only a damaged file brings amounts so far beyond the axis that a
                          // thousandth of it is lost in their rounding.
                          {"primary, 3E38 mol on a 1 mol axis", 0, 0, 3e38, 2.0 / 3.0, 4.0}},
                         [](const Ligne& l) {
                             Quantites n = {l.depart, l.depart, 0.0, 0.0};
                             RecordingSink sink;
                             ConstantesVitesse k;
                             // 200 h at 100 degC with the catalyst: far beyond the time to equilibrium.
                             auto p = parametres(l.reaction, l.classe, 720000, 1.0f);
                             p.conditions.temperature = 1000;
                             p.conditions.catalyseur = 1;
                             speed(n, p, sink, k);
                             COMPARE(sink.temps.back(), 720000.0);
                             VERIFIE(std::fabs(n[0] / l.depart - (1.0 - l.avancement)) < 1e-3, n[0]);
                             VERIFIE(std::fabs(n[2] / l.depart - l.avancement) < 1e-3);
                             VERIFIE(std::fabs(qr(n) - l.quotient) / l.quotient < 1e-2);
                         });
}

ESSAI(distillingAProductDrivesToCompletion) {
    Quantites n = {1.0, 1.0, 0.0, 0.0};
    RecordingSink sink;
    ConstantesVitesse k;
    auto p = parametres(0, 0, 720000, 1.0f);
    p.conditions.temperature = 1000;
    p.conditions.catalyseur = 1;
    p.conditions.distillation = 1;
    p.conditions.especeVolatile = 3; // water
    speed(n, p, sink, k);
    COMPARE(n[3], 0.0);
    // Far beyond the 2/3 of the equilibrium: only the slowness of a
    // second-order end keeps it from 1.
    VERIFIE(n[0] < 0.005);
    VERIFIE(n[2] > 0.995);
}

ESSAI(distillingAReactantWithoutProductChangesNothing) {
    Quantites n = {1.0, 1.0, 0.0, 0.0};
    RecordingSink sink;
    ConstantesVitesse k;
    auto p = parametres(0, 0, 600, 1.0f);
    p.conditions.distillation = 1;
    p.conditions.especeVolatile = 0;
    p.remplirTableau = false; // row instants would add steps of their own
    speed(n, p, sink, k);
    COMPARE(n, (Quantites{0.0, 1.0, 0.0, 0.0}));
    // Zero rate: steps of duree / 400, so 400 steps plus the first point.
    COMPARE(sink.temps.size(), std::size_t(401));
    COMPARE(sink.temps[1], 1.5);
}

ESSAI(tableRowsFallOnTheirInstants) {
    struct Ligne {
        const char* nom;
        int lignes, duree;
    };
    essai::lignes<Ligne>({{"51 rows, 10 min", 51, 600}, {"101 rows, 20 s", 101, 20}, {"11 rows, 200 h", 11, 720000}},
                         [](const Ligne& l) {
                             Quantites n = {0.1, 0.1, 0.0, 0.0};
                             RecordingSink sink;
                             ConstantesVitesse k;
                             auto p = parametres(0, 0, l.duree, 0.1f);
                             p.nombreLignes = l.lignes;
                             speed(n, p, sink, k);
                             COMPARE(int(sink.lignes.size()), l.lignes - 1);
                             for (int r = 1; r < l.lignes; ++r) {
                                 COMPARE(sink.lignes[r - 1].ligne, r);
                                 VERIFIE(std::fabs(sink.lignes[r - 1].t - double(r) * l.duree / (l.lignes - 1)) <
                                         1e-9 * l.duree);
                             }
                             COMPARE(sink.lignes.back().t, double(l.duree));
                             COMPARE(sink.temps.back(), double(l.duree));
                             COMPARE(sink.lignes.back().n, n);
                         });
}

ESSAI(keptRunRedrawWritesNoRow) {
    Quantites n = {0.1, 0.1, 0.0, 0.0};
    RecordingSink sink;
    ConstantesVitesse k;
    auto p = parametres(0, 0, 600, 0.1f);
    p.remplirTableau = false;
    speed(n, p, sink, k);
    VERIFIE(sink.lignes.empty());
    COMPARE(sink.premiers, 1);
}

ESSAI(zeroDurationDoesNothing) {
    Quantites n = {0.1, 0.1, 0.0, 0.0};
    RecordingSink sink;
    ConstantesVitesse k{1.0f, 2.0f};
    speed(n, parametres(0, 0, 0, 0.1f), sink, k);
    VERIFIE(sink.temps.empty());
    COMPARE(k.kDirect, 1.0f);
}

ESSAI(amountsNeverGoNegative) {
    struct Ligne {
        const char* nom;
        int reaction, distille;
    };
    essai::lignes<Ligne>({{"anhydride at 100 degC", 1, -1},
                          {"saponification at 100 degC", 3, -1},
                          {"esterification, water distilled", 0, 3}},
                         [](const Ligne& l) {
                             Quantites n = {0.001, 5.0, 0.0, 0.0};
                             RecordingSink sink;
                             ConstantesVitesse k;
                             auto p = parametres(l.reaction, 0, 72000, 5.0f);
                             p.conditions.temperature = 1000;
                             p.conditions.distillation = l.distille >= 0 ? 1 : 0;
                             p.conditions.especeVolatile = std::int16_t(l.distille);
                             speed(n, p, sink, k);
                             for (const auto& point : sink.points)
                                 for (double q : point)
                                     VERIFIE(q >= 0.0, "negative amount on the graph");
                             for (const auto& ligne : sink.lignes)
                                 VERIFIE(ligne.n[0] * ligne.n[1] == 0.0 ||
                                         ligne.n[2] * ligne.n[3] / (ligne.n[0] * ligne.n[1]) >= 0.0);
                             COMPARE(int(sink.lignes.size()), p.nombreLignes - 1);
                             // Halved steps near the end of A leave each row on its instant, every 1440 s.
                             for (const auto& ligne : sink.lignes)
                                 VERIFIE(std::fabs(ligne.t - 1440.0 * ligne.ligne) < 1e-6, ligne.t);
                         });
}

ESSAI(animatedRunFillsTheSameRows) {
    struct Ligne {
        const char* nom;
        int vitesse, dureeTableau, ticks;
        int ligneLaissee; // the row counter as the run before left it
    };
    essai::lignes<Ligne>({{"5 s a tick", 50, 600, 120, 1},
                          {"1 s a tick", 10, 600, 600, 1},
                          // The duration chosen grew during the run: rows every 16 s, none at
                          // 600 s; the last tick, from 595 s, stops at 600 s, not at 602 s.
                          {"7 s a tick, table of a longer run", 70, 800, 86, 1},
                          // A tick longer than the 12 s to row 1: the counter must be back at 1 first.
                          {"15 s a tick, after a whole table", 150, 600, 40, 51}},
                         [](const Ligne& l) {
                             auto p = parametres(0, 0, 600, 0.1f);
                             p.dureeTableau = l.dureeTableau;
                             Quantites entier = {0.1, 0.1, 0.0, 0.0};
                             RecordingSink complet;
                             ConstantesVitesse k;
                             speed(entier, p, complet, k);

                             Quantites anime = {0.1, 0.1, 0.0, 0.0};
                             RecordingSink parTicks;
                             EtatAnimation etat;
                             etat.ligneTab = std::int16_t(l.ligneLaissee);
                             int faits = 0;
                             while (timerTick(anime, etat, p, l.vitesse, parTicks, k) == Tick::avance)
                                 ++faits;
                             COMPARE(faits, l.ticks);
                             COMPARE(parTicks.temps.back(), 600.0);
                             VERIFIE(std::is_sorted(parTicks.temps.begin(), parTicks.temps.end()));
                             COMPARE(parTicks.premiers, 1);
                             COMPARE(parTicks.lignes.size(), complet.lignes.size());
                             for (std::size_t r = 0; r < complet.lignes.size(); ++r) {
                                 COMPARE(parTicks.lignes[r].ligne, complet.lignes[r].ligne);
                                 VERIFIE(std::fabs(parTicks.lignes[r].t - complet.lignes[r].t) < 1e-9);
                                 for (int i = 0; i < 4; ++i) {
                                     const double attendu = complet.lignes[r].n[i];
                                     VERIFIE(std::fabs(parTicks.lignes[r].n[i] - attendu) <=
                                             0.01 * std::fabs(attendu) + 1e-12);
                                 }
                             }
                         });
}

ESSAI(speedZeroStandsStill) {
    const auto p = parametres(0, 0, 600, 0.1f);
    Quantites n = {0.1, 0.1, 0.0, 0.0};
    RecordingSink sink;
    EtatAnimation etat;
    ConstantesVitesse k;
    for (int i = 0; i < 5; ++i)
        COMPARE(timerTick(n, etat, p, 0, sink, k), Tick::avance);
    COMPARE(etat.tempsEcoule, 0);
    COMPARE(n, (Quantites{0.1, 0.1, 0.0, 0.0}));
    VERIFIE(sink.lignes.empty());
    // Moving the speed resumes the run.
    COMPARE(timerTick(n, etat, p, 50, sink, k), Tick::avance);
    COMPARE(etat.tempsEcoule, 50);
    VERIFIE(n[2] > 0.0);
}

ESSAI(elapsedTimeDoesNotOverflow) {
    struct Ligne {
        const char* nom;
        int vitesse, apres;
    };
    essai::lignes<Ligne>({{"up to the largest 32-bit value", 47, 2147483647},
                          {"one tenth beyond it: unchanged", 48, 2147483600}},
                         [](const Ligne& l) {
                             const auto p = parametres(0, 0, 600, 0.1f);
                             Quantites n = {0.1, 0.1, 0.0, 0.0};
                             RecordingSink sink;
                             EtatAnimation etat;
                             etat.tempsEcoule = 2147483600;
                             ConstantesVitesse k;
                             COMPARE(timerTick(n, etat, p, l.vitesse, sink, k), Tick::terminee);
                             COMPARE(etat.tempsEcoule, l.apres);
                         });
}
