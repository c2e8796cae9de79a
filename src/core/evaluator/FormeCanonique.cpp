#include "evaluator/FormeCanonique.h"

#include "evaluator/Ruban.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vedo {

namespace {

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

std::string majusculesSansBlancs(std::string_view texte) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (const char c : texte) {
        if (c == ' ') continue;
        resultat += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return resultat;
}

// One left-to-right walk; at each position the four pairs are tried in turn
// on the text as already rewritten.
bool reduireSignes(std::string& texte) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> paires{
        {{"--", "+"}, {"+-", "-"}, {"-+", "-"}, {"++", "+"}}};
    bool change = false;
    Ruban ruban(texte);
    while (!ruban.auBout()) {
        for (const auto& [paire, signe] : paires) {
            if (ruban.commencePar(paire)) {
                ruban.remplacer(paire.size(), signe);
                change = true;
            }
        }
        ruban.avancer();
    }
    if (change) texte = ruban.texte();
    return change;
}

// "(" followed by an optional sign, digits and points, then ")": the
// parentheses go. "()" and "(1E-05)" stay.
bool deballerNombres(std::string& texte) {
    bool change = false;
    Ruban ruban(texte);
    for (; !ruban.auBout(); ruban.avancer()) {
        if (ruban[0] != '(') continue;
        for (std::size_t j = 1;; ++j) {
            const char c = ruban[j];
            if (c == ')' && j >= 2) {
                ruban.retirer(j);
                ruban.retirer(0);
                change = true;
                break;
            }
            if (!(chiffre(c) || c == '.' || (j == 1 && (c == '-' || c == '+')))) break;
        }
    }
    if (change) texte = ruban.texte();
    return change;
}

bool estJetonAuCurseur(const Ruban& ruban) {
    const char lettres[3] = {ruban[0], ruban[1], ruban[2]};
    return estJetonFonction(std::string_view(lettres, 3));
}

// "INV" and the following token become the inverse function's token.
void remplacerInverse(Ruban& ruban) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> inverses{
        {{"INVSIN", "ISI "}, {"INVCOS", "ICO "}, {"INVTAN", "ITA "}}};
    for (const auto& [ecrit, jeton] : inverses) {
        if (ruban.commencePar(ecrit)) {
            ruban.remplacer(ecrit.size(), jeton);
            return;
        }
    }
}

} // namespace

bool estJetonFonction(std::string_view t) {
    static constexpr std::array<std::string_view, 10> jetons{"SQR", "SIN", "COS", "LOG", "TAN",
                                                             "ISI", "EXP", "ITA", "ICO", "LON"};
    return std::find(jetons.begin(), jetons.end(), t) != jetons.end();
}

void normaliser(std::string& texte, BudgetCalcul& budget) {
    texte = majusculesSansBlancs(texte);
    for (bool change = true; change;) {
        budget.depenser(texte.size() + 1);
        change = reduireSignes(texte);
        if (!texte.empty() && texte.front() == '+') {
            texte.erase(0, 1);
            change = true;
        }
        change = deballerNombres(texte) || change;
    }
    espacer(texte, budget);
}

void espacer(std::string& texte, BudgetCalcul& budget) {
    std::string sansBlancs = majusculesSansBlancs(texte);
    if (!sansBlancs.empty() && sansBlancs.front() == '+') sansBlancs.erase(0, 1);
    budget.depenser(sansBlancs.size() + 2);
    Ruban ruban(" " + sansBlancs + " ");
    for (; !ruban.auBout(); ruban.avancer()) {
        if (ruban.commencePar("ù")) ruban.remplacer(std::string_view("ù").size(), "SQR");
        if (estJetonAuCurseur(ruban)) {
            ruban.avancer(3);
            ruban.remplacer(0, " ");
            ruban.reculer(3);
        }
        if (ruban.commencePar("LN")) ruban.remplacer(2, "LON ");
        if (ruban.commencePar("INV")) remplacerInverse(ruban);

        const char c = ruban[0];
        const char avant = ruban.precedent();
        const bool exposant = avant == 'D' || avant == 'E';
        const bool operateur = c == '^' || c == '*' || c == '/' || (c == '+' && !exposant) ||
                               (c == '-' && !exposant && avant != '(' && avant != ' ');
        if (operateur) {
            ruban.remplacer(1, std::string{' ', c, ' '});
            ruban.avancer();
        }
    }
    texte = ruban.texte();
}

} // namespace vedo
