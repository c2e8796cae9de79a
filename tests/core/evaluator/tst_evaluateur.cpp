#include "EssaiCoeur.h"

#include "evaluator/Evaluateur.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <string>

using namespace vedo;

namespace {

constexpr auto degres = ModeAngle::degres;
constexpr auto radians = ModeAngle::radians;
constexpr auto succes = CodeErreur::aucune;
constexpr auto impossible = CodeErreur::calculImpossible;

std::string imbrique(const std::string& avant, const std::string& centre, const std::string& apres, int n) {
    std::string texte;
    for (int i = 0; i < n; ++i)
        texte += avant;
    texte += centre;
    for (int i = 0; i < n; ++i)
        texte += apres;
    return texte;
}

std::string repete(const std::string& motif, int n, const std::string& debut = {}) {
    std::string texte = debut;
    for (int i = 0; i < n; ++i)
        texte += motif;
    return texte;
}

// Whatever the entry, a code from 0 to 3 and, on success, one word
// without a blank and without an infinity or a NaN.
void verifierReponseSensee(std::string texte) {
    const std::string entree = texte;
    const auto erreur = evaluer(texte, degres);
    const auto code = static_cast<int>(erreur);
    VERIFIE(code >= 0 && code <= 3, entree);
    if (erreur != succes) return;
    VERIFIE(texte.find(' ') == std::string::npos, entree);
    std::string resultat = texte;
    std::transform(resultat.begin(), resultat.end(), resultat.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    VERIFIE(resultat.find("nan") == std::string::npos && resultat.find("inf") == std::string::npos, entree);
}

} // namespace

ESSAI(resultats) {
    struct Ligne {
        const char* nom;
        std::string expression;
        ModeAngle mode;
        CodeErreur erreur;
        const char* resultat; // checked on success only
    };
    essai::lignes<Ligne>({
        {"sum", "2+3", degres, succes, "5"},
        {"product before sum", "2+3*4", degres, succes, "14"},
        {"double minus", "--5", degres, succes, "5"},
        {"plus minus", "+-5", degres, succes, "-5"},
        {"minus plus", "-+5", degres, succes, "-5"},
        {"leading plus dropped", "+5", degres, succes, "5"},
        {"parenthesised negative", "(-3)", degres, succes, "-3"},
        {"sine of 30 degrees", "SIN(30)", degres, succes, "0.5"},
        {"sine as the keys type it", "sin 30", degres, succes, "0.5"},
        {"sine of 30 radians", "SIN(30)", radians, succes, "-0.988031624092862"},
        {"cosine of 60 degrees", "COS(60)", degres, succes, "0.5"},
        {"tangent of 45 degrees", "TAN(45)", degres, succes, "1"},
        {"logarithm of a group", "LN(2+3)", degres, succes, "1.6094379124341"},
        {"decimal logarithm", "LOG(1000)", degres, succes, "3"},
        {"exponential", "EXP(1)", degres, succes, "2.71828182845905"},
        {"square root", "SQR(16)", degres, succes, "4"},
        {"square root symbol", "ù16", degres, succes, "4"},
        {"argument starting with its point", "SQR.25", degres, succes, "0.5"},
        {"inverse sine of 1 in degrees", "INVSIN1", degres, succes, "90"},
        {"inverse cosine of -1 in radians", "INVCOS-1", radians, succes, "3.14159265358979"},
        {"inverse sine of -1 in radians", "invSIN -1", radians, succes, "-1.5707963267949"},
        {"inverse sine of a half", "invSIN 0.5", degres, succes, "30"},
        {"inverse sine of minus a half", "invSIN -0.5", degres, succes, "-30"},
        {"inverse cosine of a half", "invCOS 0.5", degres, succes, "60"},
        {"inverse tangent of 1", "invTAN 1", degres, succes, "45"},
        {"function of a function", "LN(EXP(2))", degres, succes, "2"},
        {"function inside a product", "2*SIN(30)+1", degres, succes, "2"},
        {"function result rounded to 15 digits, then squared", "SIN(30)^2", degres, succes, "0.25"},
        {"function binds tighter than power", "SQR 4^3", degres, succes, "8"},
        {"exponent kept apart from plus", "1E-5+1", degres, succes, "1.00001"},
        {"D exponent", "1D3+1", degres, succes, "1001"},
        {"power is left-associative", "2^3^2", degres, succes, "64"},
        {"sign binds tighter than power", "-2^2", degres, succes, "4"},
        {"negative exponent", "2^-2", degres, succes, "0.25"},
        {"subtraction before addition", "5-3+2", degres, succes, "4"},
        {"addition after a subtraction", "1+2-3", degres, succes, "0"},
        {"subtractions left to right", "10-2-3", degres, succes, "5"},
        {"division before multiplication", "8/4*2", degres, succes, "4"},
        {"power before product", "2*3^2", degres, succes, "18"},
        {"subtracting a negative", "2--3", degres, succes, "5"},
        {"product of negatives", "-3*-3", degres, succes, "9"},
        {"two groups", "(2+3)*(4-1)", degres, succes, "15"},
        {"group result negative", "2-(1-4)", degres, succes, "5"},
        {"minus a group of two operations", "-(2*3+1)", degres, succes, "-7"},
        {"nested groups", "((((1+1)*2)+1)*2)", degres, succes, "10"},
        {"doubled parentheses around a sum", "((2+3))", degres, succes, "5"},
        {"deeply nested parentheses", imbrique("(", "2+3", ")", 60), degres, succes, "5"},
        {"one third, 15 digits", "1/3", degres, succes, "0.333333333333333"},
        {"two thirds rounded", "2/3", degres, succes, "0.666666666666667"},
        {"small result in exponent form", "0.00001*1", degres, succes, "1E-05"},
        {"1E-4 stays fixed", "0.0001*1", degres, succes, "0.0001"},
        {"1E15 in exponent form", "999999999999999+1", degres, succes, "1E+15"},
        {"exponent form read back", "1.5E+20*2", degres, succes, "3E+20"},
        {"a number alone is left as typed", "1E-5", degres, succes, "1E-5"},
        {"letters only read as a number later", "ABC", degres, succes, "ABC"},
        {"empty entry", "", degres, succes, ""},
        {"100 nested functions need 100 passes", imbrique("SIN(", "0", ")", 100), degres, succes, "0"},
        {"missing closing parenthesis", "2*(3", degres, CodeErreur::parentheses, ""},
        {"missing opening parenthesis", "2*3)", degres, CodeErreur::parentheses, ""},
        {"unclosed group", "(2+3", degres, CodeErreur::parentheses, ""},
        {"parentheses win over operators", "(2*", degres, CodeErreur::parentheses, ""},
        {"doubled product", "2**3", degres, CodeErreur::operateurs, ""},
        {"product then plus", "2*+3", degres, CodeErreur::operateurs, ""},
        {"power with nothing after", "2^", degres, CodeErreur::operateurs, ""},
        {"division with nothing after", "2/", degres, CodeErreur::operateurs, ""},
        {"division then product", "2/*3", degres, CodeErreur::operateurs, ""},
        {"square root of a negative", "SQR-4", degres, impossible, ""},
        {"division by zero", "1/0", degres, impossible, ""},
        {"zero by zero", "0/0", degres, impossible, ""},
        {"division by a group worth zero", "1/(1-1)", degres, impossible, ""},
        {"huge power", "10^400", degres, impossible, ""},
        {"left-associative powers overflow", "10^10^40", degres, impossible, ""},
        {"product beyond the range", "1E308*10", degres, impossible, ""},
        {"zero to a negative power", "0^-1", degres, impossible, ""},
        {"root of a negative by a power", "(-8)^(1/3)", degres, impossible, ""},
        {"sign bound to the base of a root", "-2^0.5", degres, impossible, ""},
        {"logarithm of zero", "LN0", degres, impossible, ""},
        {"decimal logarithm of a negative", "LOG-1", degres, impossible, ""},
        {"inverse sine beyond 1", "INVSIN2", degres, impossible, ""},
        {"inverse cosine below -1", "INVCOS-1.5", radians, impossible, ""},
        {"exponential overflow", "EXP(1000)", degres, impossible, ""},
        {"operand beyond the range", "1E400+1", degres, impossible, ""},
        {"function alone", "SIN", degres, impossible, ""},
        {"function of a group holding only a function", "SIN(COS)", degres, impossible, ""},
        {"closing before opening", "2)+(3", degres, impossible, ""},
        // Letters F to Y mark a function inside a group, which then waits for it.
        {"a group holding F waits for a function", "(F)", degres, impossible, ""},
        {"a group holding Y waits for a function", "(Y)", degres, impossible, ""},
        {"101 nested functions exceed the passes", imbrique("SIN(", "0", ")", 101), degres, impossible, ""},
        // 100 nested take every pass: the function before them is worked out
        // in the last one, right after its argument.
        {"a function before 100 nested ones, within the passes", "SIN " + imbrique("SIN(", "0", ")", 100), degres, succes, "0"}},
        [](const Ligne& l) {
            std::string texte = l.expression;
            COMPARE(evaluer(texte, l.mode), l.erreur);
            if (l.erreur == succes) COMPARE(texte, l.resultat);
        });
}

// The display test, asked at each place the operators' walk reaches: a
// display emptied during the computation stops the rewriting, which then
// runs out of passes, one question each.
ESSAI(affichageVideArrete) {
    struct Ligne {
        const char* nom;
        const char* expression;
        bool affichagePlein;
        CodeErreur erreur;
        int questions;
        const char* resultat;
    };
    essai::lignes<Ligne>({
        {"display emptied: 100 passes stopped at once", "2+3", false, CodeErreur::calculImpossible, 100, " 2 + 3 "},
        // " 2 * 3 ": places 2 to 6 for "^" and for "/", then place 2 holds the
        // only operator; nothing is walked after it.
        {"display kept: 5 + 5 + 1 places", "2*3", true, succes, 11, "6"}},
        [](const Ligne& l) {
            std::string texte = l.expression;
            int posees = 0;
            const auto affichage = [&] {
                ++posees;
                return l.affichagePlein;
            };
            COMPARE(evaluer(texte, degres, affichage), l.erreur);
            COMPARE(posees, l.questions);
            COMPARE(texte, l.resultat);
        });
}

ESSAI(longueEntreeCalculee) {
    std::string texte = repete("+1", 49'999, "1");
    COMPARE(texte.size(), std::size_t(99'999));
    COMPARE(evaluer(texte, degres), succes);
    COMPARE(texte, "50000");
}

// A pathological entry is answered instead of running for minutes; the
// bound itself is measured in bench/.
ESSAI(travailBorne) {
    struct Ligne {
        const char* nom;
        std::string expression;
        CodeErreur erreur;
        const char* resultat; // checked on success only
    };
    essai::lignes<Ligne>({
        // Reducing the groups one at a time rescans the whole entry each time:
        // these exceed the work allowed and end in error 1 ("Calcul impossible").
        {"parentheses nested 50000 deep", imbrique("(", "1", ")", 50'000), impossible, ""},
        {"50000 groups", repete("+(1+1)", 16'000, "0"), impossible, ""},
        {"functions waiting on groups", repete("+SIN(1+1)", 11'000, "0"), impossible, ""},
        // Pairs of signs fold into one as the entry is rewritten: an even run of minus signs is a plus.
        {"100000 minus signs", repete("-", 100'000) + "1", succes, "1"}},
        [](const Ligne& l) {
            std::string texte = l.expression;
            COMPARE(evaluer(texte, degres), l.erreur);
            if (l.erreur == succes) COMPARE(texte, l.resultat);
            std::string court = "((((1+1))))";
            COMPARE(evaluer(court, degres, {}, 50), CodeErreur::calculImpossible);
            // The work allowed is spent to its last unit, not beyond.
            BudgetCalcul budget(3);
            budget.depenser(3);
            LEVE(EchecCalcul, budget.depenser(1));
        });
}

ESSAI(textesHostiles) {
    struct Ligne {
        const char* nom;
        std::string expression;
    };
    essai::lignes<Ligne>({
        {"only operators", "+-*/^+-*/^"},
        {"only opening parentheses", std::string(500, '(')},
        {"only closing parentheses", std::string(500, ')')},
        {"reversed parentheses", ")("},
        {"empty group", "()"},
        {"sign alone in a group", "(-)"},
        {"function of nothing", "SIN()"},
        {"function of a sign", "SIN(-)"},
        {"INV alone", "INV"},
        {"INV then a digit", "INV5"},
        {"LN alone", "LN"},
        {"points only", "....."},
        {"exponents only", "E E E D"},
        {"exponent without digits", "1E+"},
        {"huge exponent", "1E99999"},
        {"tiny exponent", "1E-99999*2"},
        {"unknown letters with operators", "XYZ+QWE*RTY"},
        {"accents and symbols", "é€µ°§+ùù"},
        {"tabs and new lines", "2\t+\n3"},
        {"long run of minus signs", std::string(5000, '-')},
        {"long chain of powers", repete("^2", 2000, "2")},
        {"long chain of functions", repete("EXP", 3000) + "1"},
        {"nested exponentials", "EXP(EXP(EXP(10)))"},
        {"tangent at 90 degrees", "TAN(90)"}},
        [](const Ligne& l) { verifierReponseSensee(l.expression); });
}

ESSAI(textesAleatoires) {
    struct Ligne {
        const char* nom;
        std::string alphabet;
        int longueurMax;
    };
    essai::lignes<Ligne>({
        {"digits and operators", "0123456789.+-*/^ ", 40},
        {"parentheses and signs", "()+-12.", 30},
        {"functions and exponents", "SINCOTAGLQRVXPDE(12-.)", 40},
        {"every character the entry can hold", "0123456789.+-*/^()ESINCOTALGQRVXDù ", 80}},
        [](const Ligne& l) {
            const std::string& lettres = l.alphabet;
            std::mt19937 hasard(12345);
            std::uniform_int_distribution<std::size_t> choix(0, lettres.size() - 1);
            std::uniform_int_distribution<int> longueur(0, l.longueurMax);
            for (int essai = 0; essai < 1500; ++essai) {
                std::string texte;
                for (int n = longueur(hasard); n > 0; --n)
                    texte += lettres[choix(hasard)];
                verifierReponseSensee(texte);
            }
        });
}
