#include "EssaiCoeur.h"

#include "common/Rounding.h"

#include <limits>

using namespace vedo;

ESSAI(halvesToEven) {
    struct Ligne {
        const char* nom;
        double valeur, arrondi;
    };
    essai::lignes<Ligne>({{"2.5 down to even", 2.5, 2.0},
                          {"3.5 up to even", 3.5, 4.0},
                          {"-2.5", -2.5, -2.0},
                          {"-3.5", -3.5, -4.0},
                          {"0.5", 0.5, 0.0},
                          {"above half", 2.500001, 3.0},
                          {"below half", 2.499999, 2.0}},
                         [](const Ligne& l) { COMPARE(arrondiPair(l.valeur), l.arrondi); });
}

ESSAI(checked16) {
    struct Ligne {
        const char* nom;
        double valeur;
        bool tient;
        int entier;
    };
    essai::lignes<Ligne>({{"max", 32767.0, true, 32767},
                          {"min", -32768.0, true, -32768},
                          {"rounds to max", 32767.4, true, 32767},
                          {"rounds above max", 32767.5, false, 0},
                          {"below min", -32769.0, false, 0},
                          {"nan", std::numeric_limits<double>::quiet_NaN(), false, 0},
                          {"infinite", std::numeric_limits<double>::infinity(), false, 0}},
                         [](const Ligne& l) {
                             const auto r = versEntier16(l.valeur);
                             COMPARE(r.has_value(), l.tient);
                             if (l.tient) COMPARE(int(*r), l.entier);
                         });
}

ESSAI(checked32) {
    COMPARE(*versEntier32(2147483647.0), 2147483647);
    VERIFIE(!versEntier32(2147483648.0));
    COMPARE(*versEntier32(720000.5), 720000);
}

ESSAI(single) {
    COMPARE(*versSimple(0.1), 0.1f);
    VERIFIE(!versSimple(1e39));
    VERIFIE(!versSimple(-1e39));
    VERIFIE(!versSimple(std::numeric_limits<double>::quiet_NaN()));
}
