#include "evaluator/Calculatrice.h"

#include "evaluator/NombreCalcul.h"
#include "common/NumberText.h"

#include <cmath>

namespace vedo {

namespace {

std::string sansBlancsAutour(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    return std::string(texte.substr(debut, texte.find_last_not_of(' ') + 1 - debut));
}

bool vide(std::string_view texte) {
    return texte.find_first_not_of(' ') == std::string_view::npos;
}

bool finitPar(std::string_view texte, char c) {
    return !texte.empty() && texte.back() == c;
}

} // namespace

std::string Calculatrice::messageErreur(CodeErreur erreur) {
    switch (erreur) {
    case CodeErreur::aucune:
        return {};
    case CodeErreur::parentheses:
        return "Erreur saisie: revoir les parenthèses";
    case CodeErreur::operateurs:
        return "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
    case CodeErreur::calculImpossible:
        break;
    }
    return "Calcul impossible";
}

void Calculatrice::ajouter(std::string_view texte) {
    saisie_ += texte;
    montrerSaisie();
}

void Calculatrice::facteur(std::string_view texte) {
    const bool apresFacteur =
        !saisie_.empty() && saisie_.back() != '(' && saisie_.back() != '-' && saisie_.back() != ' ';
    if (apresFacteur) saisie_ += " * ";
    ajouter(texte);
}

void Calculatrice::pi() {
    facteur(texteNombreCalcul(4.0 * std::atan(1.0)));
}

void Calculatrice::plus() {
    if (vide(affichage_)) return;
    if (vide(saisie_)) reponse();
    ajouter(finitPar(saisie_, 'E') ? "+" : " + ");
}

void Calculatrice::moins() {
    const char dernier = saisie_.empty() ? '\0' : saisie_.back();
    if (dernier == '(' || dernier == ' ' || dernier == 'E')
        ajouter("-");
    else if (dernier == '-')
        ajouter(" -");
    else
        ajouter(saisie_.empty() ? "-" : " - ");
}

// "*" and "/" need something on display to act on.
void Calculatrice::ajouterOperateur(std::string_view operateur) {
    if (vide(affichage_)) return;
    if (vide(saisie_)) reponse();
    ajouter(operateur);
}

void Calculatrice::multiplier() {
    ajouterOperateur(" * ");
}

void Calculatrice::diviser() {
    ajouterOperateur(" / ");
}

void Calculatrice::puissance() {
    if (vide(saisie_)) reponse();
    ajouter(" ^ ");
}

void Calculatrice::carre() {
    if (vide(saisie_)) reponse();
    ajouter(" ^ 2");
}

void Calculatrice::reponse() {
    if (erreur_ == CodeErreur::aucune) saisie_ += sansBlancsAutour(derniereReponse_);
    montrerSaisie();
}

std::string Calculatrice::texteResultat(double valeur) const {
    if (!std::isfinite(valeur)) return {};
    if (scientifique_) return texteFormat(valeur, "#.#######E+00", '.');
    std::string texte = valeur < 0.0 ? "" : " "; // the sign's place
    return texte += texteNombreCalcul(valeur);
}

void Calculatrice::signalerErreur(const std::string& message) {
    affichage_ = derniereReponse_ = message;
    if (bip) bip();
}

void Calculatrice::executer(const TestAffichage& poursuivre) {
    std::string calcul = saisie_;
    affichage_ = messageAttente;
    erreur_ = evaluer(
        calcul, modeAngle_, poursuivre ? poursuivre : [this] { return !vide(affichage_); });
    if (erreur_ != CodeErreur::aucune) {
        signalerErreur(messageErreur(erreur_));
        return; // the entry stays as typed, for correction
    }
    const std::string montre = texteResultat(valeurEnTete(calcul));
    if (montre.empty()) {
        // A number typed beyond the double range: an error like the others,
        // so that "ANS" does not take the message as a number.
        erreur_ = CodeErreur::calculImpossible;
        signalerErreur(std::string(messageDepassement));
        return;
    }
    affichage_ = derniereReponse_ = montre;
    saisie_.clear();
}

void Calculatrice::effacer() {
    if (saisie_.empty()) return;
    const auto n = saisie_.size();
    if (saisie_.back() != ' ') {
        saisie_.pop_back();
    } else if (n >= 3 && std::string_view("*+/-^").find(saisie_[n - 2]) != std::string_view::npos) {
        saisie_.resize(n - 3);
    } else {
        // A function word and its blank ("sin "), back to what precedes it.
        const auto avantMot = n >= 2 ? saisie_.find_last_of(" (", n - 2) : std::string::npos;
        saisie_.resize(avantMot == std::string::npos ? 0 : avantMot + 1);
    }
    montrerSaisie();
}

void Calculatrice::toutEffacer() {
    saisie_.clear();
    montrerSaisie();
}

void Calculatrice::ajouterMemoire() {
    const double somme = memoire_ + valeurEnTete(affichage_);
    if (std::isfinite(somme)) memoire_ = somme;
}

void Calculatrice::soustraireMemoire() {
    const double difference = memoire_ - valeurEnTete(affichage_);
    if (std::isfinite(difference)) memoire_ = difference;
}

void Calculatrice::rappelerMemoire() {
    const double m = memoire_;
    ajouter(scientifique_ ? texteFormat(m, "#.#######E+00", '.') : texteNombreCalcul(m));
}

void Calculatrice::effacerMemoire() {
    memoire_ = 0.0;
}

void Calculatrice::choisirAffichage(bool scientifique) {
    scientifique_ = scientifique;
    if (!saisie_.empty()) return;
    const std::string montre = texteResultat(valeurEnTete(derniereReponse_));
    if (montre.empty()) {
        // Fifteen digits can round the largest doubles beyond the range.
        affichage_ = messageDepassement;
        if (bip) bip();
        return;
    }
    affichage_ = montre;
}

bool Calculatrice::frappe(char c) {
    switch (c) {
    case 'E':
    case 'e':
    case 'D':
    case 'd':
        ajouter("E");
        return true;
    case '(':
        facteur("(");
        return true;
    case ')':
    case '.':
        ajouter(std::string(1, c));
        return true;
    case ',':
        // A French student types the decimal comma; the evaluator's numbers
        // are written with a point.
        ajouter(".");
        return true;
    case '*':
        multiplier();
        return true;
    case '+':
        plus();
        return true;
    case '-':
        moins();
        return true;
    case '/':
        diviser();
        return true;
    case '^':
        puissance();
        return true;
    case '\b':
        effacer();
        return true;
    default:
        if (c < '0' || c > '9') return false;
        ajouter(std::string(1, c));
        return true;
    }
}

} // namespace vedo
