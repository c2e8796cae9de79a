#include "evaluator/Evaluateur.h"

#include "evaluator/FormeCanonique.h"
#include "evaluator/NombreCalcul.h"
#include "evaluator/Ruban.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace vedo {

namespace {

constexpr int passesMaximum = 100;
constexpr std::array<char, 5> prioriteOperateurs{'^', '/', '*', '-', '+'};

bool estOperateurEspace(std::string_view t) {
    return t.size() == 3 && t[0] == ' ' && t[2] == ' ' &&
           std::find(prioriteOperateurs.begin(), prioriteOperateurs.end(), t[1]) != prioriteOperateurs.end();
}

double verifie(double v) {
    if (!std::isfinite(v)) throw EchecCalcul();
    return v;
}

double pi() {
    return 4.0 * std::atan(1.0);
}

// Written with the arctangent so that only |x| = 1 needs its own value.
double arcsinus(double x) {
    if (std::fabs(x) > 1.0) throw EchecCalcul();
    if (x == 1.0) return pi() / 2.0;
    if (x == -1.0) return -pi() / 2.0;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double valeurFonction(std::string_view jeton, double x, ModeAngle mode) {
    const bool degres = mode == ModeAngle::degres;
    const auto angle = [&](double a) { return degres ? a * pi() / 180.0 : a; };
    const auto versDegres = [&](double a) { return degres ? a * 180.0 / pi() : a; };
    const auto logarithme = [](double a) {
        if (a <= 0.0) throw EchecCalcul();
        return std::log(a);
    };
    if (jeton == "SQR") {
        if (x < 0.0) throw EchecCalcul();
        return std::sqrt(x);
    }
    if (jeton == "EXP") return verifie(std::exp(x));
    if (jeton == "LON") return logarithme(x);
    if (jeton == "LOG") return logarithme(x) / std::log(10.0);
    if (jeton == "SIN") return verifie(std::sin(angle(x)));
    if (jeton == "COS") return verifie(std::cos(angle(x)));
    if (jeton == "TAN") return verifie(std::tan(angle(x)));
    if (jeton == "ISI") return versDegres(arcsinus(x));
    if (jeton == "ICO") return versDegres(pi() / 2.0 - arcsinus(x));
    return versDegres(std::atan(x)); // "ITA"
}

double appliquer(char operateur, double gauche, double droite) {
    switch (operateur) {
    case '^':
        return verifie(std::pow(gauche, droite));
    case '/':
        if (droite == 0.0) throw EchecCalcul();
        return verifie(gauche / droite);
    case '*':
        return verifie(gauche * droite);
    case '-':
        return verifie(gauche - droite);
    default:
        return verifie(gauche + droite);
    }
}

// One evaluation: the expression being rewritten and the counters of what
// is left in it.
class Evaluation {
public:
    Evaluation(std::string& texte, ModeAngle mode, const TestAffichage& poursuivre, std::size_t limite)
        : texte_(texte), mode_(mode), poursuivre_(poursuivre), budget_(limite) {}

    CodeErreur executer();

private:
    CodeErreur verifierSaisie() const;
    void compterJetons();
    void evaluerFonctions();
    void evaluerParentheses();
    void evaluerOperateurs(std::string& texte);

    std::string& texte_;
    const ModeAngle mode_;
    const TestAffichage& poursuivre_;
    BudgetCalcul budget_;
    // Wider than the 16 bits of old, so that a long entry does not overflow them.
    int nbParentheses_ = 0;
    int nbFonctions_ = 0;
    int nbOperateurs_ = 0;
};

CodeErreur Evaluation::executer() {
    normaliser(texte_, budget_);
    if (const auto erreur = verifierSaisie(); erreur != CodeErreur::aucune) return erreur;
    compterJetons();
    std::string debutPassePrecedente;
    for (int passe = 1;; ++passe) {
        budget_.depenser(texte_.size());
        if (texte_ == debutPassePrecedente) normaliser(texte_, budget_);
        debutPassePrecedente = texte_;
        if (passe > passesMaximum) return CodeErreur::calculImpossible;
        if (nbFonctions_ > 0) {
            evaluerFonctions();
            normaliser(texte_, budget_);
        }
        if (nbParentheses_ > 0) evaluerParentheses();
        compterJetons();
        if (nbFonctions_ >= 1 || nbParentheses_ >= 1) continue;
        if (nbOperateurs_ > 0) evaluerOperateurs(texte_);
        compterJetons();
        if (nbOperateurs_ < 1) break;
    }
    const auto debut = texte_.find_first_not_of(' ');
    texte_ = debut == std::string::npos ? "" : texte_.substr(debut, texte_.find_last_not_of(' ') + 1 - debut);
    return texte_.find(' ') == std::string::npos ? CodeErreur::aucune : CodeErreur::calculImpossible;
}

CodeErreur Evaluation::verifierSaisie() const {
    const auto ouvrantes = std::count(texte_.begin(), texte_.end(), '(');
    const auto fermantes = std::count(texte_.begin(), texte_.end(), ')');
    if (ouvrantes != fermantes) return CodeErreur::parentheses;
    for (std::size_t i = 0; i + 2 < texte_.size(); ++i) {
        const char c = texte_[i];
        if ((c == '*' || c == '/' || c == '^') && texte_[i + 2] == ' ') return CodeErreur::operateurs;
    }
    return CodeErreur::aucune;
}

void Evaluation::compterJetons() {
    budget_.depenser(texte_.size());
    nbParentheses_ = nbFonctions_ = nbOperateurs_ = 0;
    const std::string_view t = texte_;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '(') ++nbParentheses_;
        const auto trois = t.substr(i, 3);
        if (estOperateurEspace(trois)) ++nbOperateurs_;
        if (estJetonFonction(trois)) ++nbFonctions_;
    }
}

// A token whose argument is not yet a number (a parenthesised group) waits
// for a later pass.
void Evaluation::evaluerFonctions() {
    Ruban ruban(texte_);
    ruban.avancer(); // past the leading blank
    while (nbFonctions_ >= 1 && ruban.position() + 1 < ruban.longueur()) {
        budget_.depenser(1);
        const std::string jeton{ruban[0], ruban[1], ruban[2]};
        const char debutArgument = ruban[4];
        if (!estJetonFonction(jeton) || !((debutArgument >= '0' && debutArgument <= '9') ||
                                          debutArgument == '-' || debutArgument == '.')) {
            ruban.avancer();
            continue;
        }
        std::string argument;
        for (char c = ruban[4]; c != '\0' && c != ')' && c != ' '; c = ruban[4 + argument.size()])
            argument += c;
        budget_.depenser(argument.size());
        const double valeur = valeurFonction(jeton, lireNombreCalcul(argument), mode_);
        ruban.remplacer(4 + argument.size(), texteNombreCalcul(valeur));
        --nbFonctions_;
        // A token just before this one may now have a number as argument;
        // those further left are unaffected by the replacement.
        ruban.reculer(std::min<std::size_t>(4, ruban.position() - 1));
    }
    texte_ = ruban.texte();
}

void Evaluation::evaluerParentheses() {
    while (nbParentheses_ > 0) {
        budget_.depenser(texte_.size());
        const auto ouvrante = texte_.rfind('(');
        // The count goes stale when a reduced group unwraps the parentheses
        // around it: nothing is left to reduce.
        if (ouvrante == std::string::npos) return;
        const auto fermante = texte_.find(')', ouvrante);
        if (fermante == std::string::npos) throw EchecCalcul(); // ")(": balanced counts, no group
        std::string interieur = texte_.substr(ouvrante + 1, fermante - ouvrante - 1);
        if (std::any_of(interieur.begin(), interieur.end(), [](char c) { return c >= 'F' && c <= 'Y'; }))
            return; // a function inside must be evaluated first
        evaluerOperateurs(interieur);
        texte_.replace(ouvrante, fermante - ouvrante + 1, interieur);
        --nbParentheses_;
        normaliser(texte_, budget_);
    }
}

// Each operator level is one walk from left to right: a replacement writes a
// number, never a blank, so it cannot create an operator, and the leftmost
// remaining occurrence always lies after it.
void Evaluation::evaluerOperateurs(std::string& texte) {
    normaliser(texte, budget_);
    for (const char operateur : prioriteOperateurs) {
        const std::string motif{' ', operateur, ' '};
        Ruban ruban(texte);
        ruban.avancer(2);
        for (; !ruban.auBout(); ruban.avancer()) {
            budget_.depenser(1);
            if (poursuivre_ && !poursuivre_()) {
                texte = ruban.texte();
                return;
            }
            if (!ruban.commencePar(motif)) continue;
            const std::string& avant = ruban.avant();
            const auto blanc = avant.rfind(' ');
            const std::string gauche = avant.substr(blanc == std::string::npos ? 0 : blanc + 1);
            std::string droite;
            for (char c = ruban[3]; c != '\0' && c != ' '; c = ruban[3 + droite.size()])
                droite += c;
            budget_.depenser(gauche.size() + droite.size());
            const double valeur = appliquer(operateur, lireNombreCalcul(gauche), lireNombreCalcul(droite));
            ruban.retirerAvant(gauche.size());
            ruban.remplacer(3 + droite.size(), texteNombreCalcul(valeur));
            if (--nbOperateurs_ < 1) {
                texte = ruban.texte();
                return;
            }
        }
        texte = ruban.texte();
    }
}

} // namespace

CodeErreur evaluer(std::string& expression, ModeAngle mode, const TestAffichage& poursuivre,
                   std::size_t limiteTravail) {
    try {
        return Evaluation(expression, mode, poursuivre, limiteTravail).executer();
    } catch (const std::exception&) {
        // A failure of any kind, ours or the library's, is a failed calculation.
        return CodeErreur::calculImpossible;
    }
}

} // namespace vedo
