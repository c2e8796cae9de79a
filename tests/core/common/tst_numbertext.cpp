#include "EssaiCoeur.h"

#include "common/NumberText.h"

#include <cmath>
#include <limits>
#include <string>

using namespace vedo;

namespace {

struct Texte {
    const char* nom;
    double valeur;
    const char* texte;
};

} // namespace

ESSAI(general) {
    essai::lignes<Texte>({{"zero", 0.0, "0"},
                          {"negative zero", -0.0, "0"},
                          {"integer", 2.0, "2"},
                          {"decimal comma", 20.5, "20,5"},
                          {"negative", -1.5, "-1,5"},
                          {"no trailing zeros", 0.25, "0,25"},
                          {"one tenth, fifteen digits", 0.1, "0,1"},
                          {"1E-4 stays fixed", 1e-4, "0,0001"},
                          {"below 1E-4 is exponent form", 1.5e-5, "1,5E-05"},
                          {"huge", 1e20, "1E+20"},
                          {"just below 1E15 fixed", 999999999999999.0, "999999999999999"},
                          {"1E15 exponent", 1e15, "1E+15"},
                          {"fifteen significant digits", 1.0 / 3.0, "0,333333333333333"},
                          {"two thirds rounds last digit", 2.0 / 3.0, "0,666666666666667"},
                          {"three-digit exponent", 1.5e-300, "1,5E-300"},
                          {"single widened shows its digits", double(0.1f), "0,100000001490116"}},
                         [](const Texte& l) { COMPARE(texteGeneral(l.valeur), l.texte); });
}

ESSAI(generalSingle) {
    struct Ligne {
        const char* nom;
        float valeur;
        const char* texte;
    };
    essai::lignes<Ligne>({{"one tenth", 0.1f, "0,1"},
                          {"seven digits", 1.234567f, "1,234567"},
                          {"eighth digit rounded", 1.2345678f, "1,234568"},
                          {"just below 1E7", 9999999.0f, "9999999"},
                          {"1E7 exponent", 1e7f, "1E+07"},
                          {"small", 2e-5f, "2E-05"},
                          {"temperature caption", 20.5f, "20,5"}},
                         [](const Ligne& l) { COMPARE(texteGeneralSimple(l.valeur), l.texte); });
}

ESSAI(patterns) {
    struct Ligne {
        const char* nom;
        double valeur;
        const char* pattern;
        const char* texte;
    };
    essai::lignes<Ligne>(
        {{"three digits, half away from zero", 2.675, "0.00E+00", "2,68E+00"},
         {"three digits of zero", 0.0, "0.00E+00", "0,00E+00"},
         // 4.02 + 0.005 is 4.0249999999999995 in binary: its fifteen digits end in 5, its sixteen do not.
         {"three digits from the fifteen of the value", 4.02 + 0.005, "0.00E+00", "4,03E+00"},
         {"three digits carry", 9.996, "0.00E+00", "1,00E+01"},
         {"three digits small", 0.000123456, "0.00E+00", "1,23E-04"},
         {"three digits negative", -0.5, "0.00E+00", "-5,00E-01"},
         {"two digits", 3.54, "0.0E+00", "3,5E+00"},
         {"two digits carry", 9.96, "0.0E+00", "1,0E+01"},
         {"two digits small", 0.0354, "0.0E+00", "3,5E-02"},
         {"time one decimal", 0.2, "######0.0", "0,2"},
         {"time integer gets .0", 10.0, "######0.0", "10,0"},
         {"time zero", 0.0, "######0.0", "0,0"},
         {"time half away", 0.25, "######0.0", "0,3"},
         {"time below one tenth", 0.04, "######0.0", "0,0"},
         {"time one twentieth", 0.05, "######0.0", "0,1"},
         {"time carry", 9.96, "######0.0", "10,0"},
         {"integer", 2.5, "#0", "3"},
         {"integer of small", 0.4, "#0", "0"},
         {"integer beyond fifteen digits", 1e15, "#0", "1000000000000000"},
         {"scientific keeps the point", 5.0, "#.#######E+00", "5,E+00"},
         {"scientific of zero", 0.0, "#.#######E+00", "0,E+00"},
         {"scientific eight digits", 123.456789, "#.#######E+00", "1,2345679E+02"},
         {"scientific negative exponent", 0.00025, "#.#######E+00", "2,5E-04"}},
        [](const Ligne& l) { COMPARE(texteFormat(l.valeur, l.pattern), l.texte); });
}

ESSAI(patternOfSingleUsesSevenDigits) {
    // 2.675f is 2.67499995...: its seven digits end in 5, its fifteen do not.
    COMPARE(texteFormatSimple(2.675f, "0.00E+00"), "2,68E+00");
    COMPARE(texteFormat(double(2.675f), "0.00E+00"), "2,67E+00");
    // 1.2349999f is 1.23499989...: seven digits give 1,235000, eight would give 1,2349999.
    COMPARE(texteFormatSimple(1.2349999f, "0.00E+00"), "1,24E+00");
}

ESSAI(pointSeparator) {
    COMPARE(texteFormat(5.0, "#.#######E+00", '.'), "5.E+00");
    COMPARE(texteGeneral(1.5e-5, '.'), "1.5E-05");
}

ESSAI(threeDigits) {
    essai::lignes<Texte>({{"amount 0.123456", 0.123456, "0,123"},
                          {"1.5 stays", 1.5, "1,5"},
                          {"2 stays", 2.0, "2"},
                          {"1.23456 typed", 1.23456, "1,23"},
                          {"two thirds", 2.0 / 3.0, "0,667"},
                          {"half up: fourth digit 5", 0.1235, "0,124"},
                          {"tiny in exponent form", 1.234e-5, "1,23E-05"},
                          {"large quotient", 123456.0, "123000"},
                          {"zero", 0.0, "0"}},
                         [](const Texte& l) {
                             const auto t = texteTroisChiffres(l.valeur);
                             VERIFIE(t.has_value());
                             COMPARE(*t, l.texte);
                         });
}

ESSAI(threeDigitsBeyondSingle) {
    VERIFIE(!texteTroisChiffres(1e300).has_value());
    VERIFIE(!texteTroisChiffres(std::numeric_limits<double>::quiet_NaN()).has_value());
}

ESSAI(readTyped) {
    struct Ligne {
        const char* nom;
        const char* texte;
        bool valide;
        double valeur;
    };
    essai::lignes<Ligne>({{"comma", "0,1", true, 0.1},
                          {"point", "0.1", true, 0.1},
                          {"blanks around", "  2,5 ", true, 2.5},
                          {"no integer digit", ",5", true, 0.5},
                          {"no decimal digit", "3,", true, 3.0},
                          {"exponent", "1,5E-3", true, 0.0015},
                          {"sign", "-2", true, -2.0},
                          {"empty", "", false, 0.0},
                          {"only a comma", ",", false, 0.0},
                          {"two separators", "1,2,3", false, 0.0},
                          {"letters after", "1abc", false, 0.0},
                          {"letters", "abc", false, 0.0},
                          {"infinity word", "inf", false, 0.0},
                          {"out of range", "1E999", false, 0.0},
                          {"too small is zero", "1E-400", true, 0.0}},
                         [](const Ligne& l) {
                             const auto lu = lireNombre(l.texte);
                             COMPARE(lu.has_value(), l.valide);
                             if (l.valide) COMPARE(*lu, l.valeur);
                         });
}

ESSAI(leadingNumber) {
    struct Ligne {
        const char* nom;
        const char* texte;
        double valeur;
    };
    essai::lignes<Ligne>({{"signed integer record", " 2", 2.0},
                          {"minus one", "-1", -1.0},
                          {"trailing junk", "12abc", 12.0},
                          {"nothing numeric", "abc", 0.0},
                          {"empty", "", 0.0},
                          {"point only decimal separator", "3,5", 3.0},
                          {"decimal point", "3.5", 3.5},
                          {"exponent", "1E3x", 1000.0},
                          {"exponent without digits", "7E", 7.0},
                          {"tab and blanks", " \t 42", 42.0},
                          {"colour", " 16711680", 16711680.0},
                          {"underflow reads zero", "1E-400", 0.0},
                          // Out of range: infinite, so that the callers' checked conversions refuse it.
                          {"out of range", "9E999", HUGE_VAL},
                          {"negative out of range", "-9E999", -HUGE_VAL}},
                         [](const Ligne& l) { COMPARE(valeurEnTete(l.texte), l.valeur); });
}
