#include "EssaiCoeur.h"

#include "evaluator/FormeCanonique.h"

#include <string>
#include <vector>

using namespace vedo;

ESSAI(normaliser) {
    struct Ligne {
        const char* nom;
        const char* saisie;
        const char* forme;
    };
    essai::lignes<Ligne>({
        {"worked example", "2+3*4", " 2 + 3 * 4 "},
        {"upper case and blanks removed", "2 * sin 30", " 2 * SIN 30 "},
        {"function call through its spaced token", "SIN(30)", " SIN 30 "},
        {"parenthesised negative unwrapped", "(-3)", " -3 "},
        {"parenthesised decimal unwrapped", "(-2.5)", " -2.5 "},
        {"parenthesised plus sign unwrapped, then dropped", "(+2)", " 2 "},
        {"parenthesised exponent form stays", "(1E-05)", " (1E-05) "},
        {"empty parentheses stay", "()", " () "},
        {"nested plain number unwrapped layer by layer", "(((7)))", " 7 "},
        {"double minus is plus", "--5", " 5 "},
        {"plus minus is minus", "+-5", " -5 "},
        {"minus plus is minus", "-+5", " -5 "},
        {"three minuses", "---5", " -5 "},
        {"subtracting a negative", "2--3", " 2 + 3 "},
        {"blanks between the signs of a pair", "2 - - 3", " 2 + 3 "},
        {"a pair of signs that ends the entry", "2--", " 2 +  "},
        {"parenthesised 9 unwrapped", "(9)", " 9 "},
        {"unwrapping makes a sign pair", "2*(3-(-1))", " 2 * (3 + 1) "},
        {"natural log spelt LON", "LN(2+3)", " LON (2 + 3) "},
        {"inverse sine token", "INVSIN1", " ISI 1 "},
        {"inverse cosine as the keys type it", "invCOS -1", " ICO -1 "},
        {"inverse tangent", "invTAN 1", " ITA 1 "},
        {"square root symbol", "ù9", " SQR 9 "},
        {"exponent sign stays on its number", "1E-5+1", " 1E-5 + 1 "},
        {"D exponent sign stays too", "1D+3-2", " 1D+3 - 2 "},
        {"negative exponent of a power", "2^-2", " 2 ^ -2 "},
        {"leading sign belongs to the number", "-2^2", " -2 ^ 2 "},
        {"sign after an operator", "2*-3", " 2 * -3 "},
        {"sign after an opening parenthesis", "2*(-3+1)", " 2 * (-3 + 1) "},
        {"doubled operator keeps both", "2**3", " 2 *  * 3 "},
        {"empty entry", "", "  "}},
        [](const Ligne& l) {
            std::string texte = l.saisie;
            BudgetCalcul budget;
            vedo::normaliser(texte, budget);
            COMPARE(texte, l.forme);
            vedo::normaliser(texte, budget);
            COMPARE(texte, l.forme); // a canonical text stays as it is
        });
}

ESSAI(jetons) {
    struct Ligne {
        std::string nom, texte;
        bool jeton;
    };
    std::vector<Ligne> tableau;
    for (const char* jeton : {"SQR", "SIN", "COS", "LOG", "TAN", "ISI", "EXP", "ITA", "ICO", "LON"})
        tableau.push_back({jeton, jeton, true});
    tableau.push_back({"LN is typed, not a token", "LN ", false});
    tableau.push_back({"INV is typed, not a token", "INV", false});
    tableau.push_back({"lower case", "sin", false});
    essai::lignes(tableau, [](const Ligne& l) { COMPARE(estJetonFonction(l.texte), l.jeton); });
}

ESSAI(normalisationBornee) {
    std::string texte(200, '(');
    texte += "1" + std::string(200, ')');
    BudgetCalcul budget(1000);
    LEVE(EchecCalcul, vedo::normaliser(texte, budget));
}
