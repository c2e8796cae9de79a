#include "platform/QuestionsScriptees.h"

#include <cstdio>

namespace vedo {

namespace {
// "a|b|c[d|e]": the captions in order, a sub-menu's items in brackets after its caption.
std::string legendes(const ElementsMenu& elements) {
    std::string l;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementMenu& e = elements[i];
        if (i > 0) l += '|';
        l += e.legende;
        if (!e.sousMenu.empty()) l += '[' + legendes(e.sousMenu) + ']';
    }
    return l;
}

std::string nomCouleur(Couleur c) {
    char nom[8];
    std::snprintf(nom, sizeof nom, "#%02x%02x%02x", c.r, c.g, c.b);
    return nom;
}
} // namespace

Bouton QuestionsScriptees::message(Icone icone, const std::string& titre, const std::string& texte,
                                   Boutons boutons, Bouton parDefaut) {
    questions.push_back({"message", titre, texte, icone, boutons});
    if (echo) std::fprintf(stderr, "%s: %s\n", titre.c_str(), texte.c_str());
    return prendreReponse(reponsesMessages).value_or(boutonParDefaut(boutons, parDefaut));
}

int QuestionsScriptees::menu(const ElementsMenu& elements, Pixel) {
    questions.push_back({"menu", {}, legendes(elements), Icone::aucune, {}});
    const int choix = prendreReponse(reponsesMenus).value_or(-1);
    return choixPossible(elements, choix) ? choix : -1;
}

std::optional<Couleur> QuestionsScriptees::couleur(Couleur initiale) {
    questions.push_back({"couleur", {}, nomCouleur(initiale), Icone::aucune, {}});
    return prendreReponse(reponsesCouleurs).value_or(std::nullopt);
}

std::optional<std::string> QuestionsScriptees::fichierAOuvrir(const QuestionFichier& demande) {
    questions.push_back({"ouvrir", demande.titre, demande.repertoire, Icone::aucune, {}});
    demandesFichiers.push_back(demande);
    return prendreReponse(reponsesFichiers).value_or(std::nullopt);
}

std::optional<std::string> QuestionsScriptees::fichierAEnregistrer(const QuestionFichier& demande) {
    questions.push_back({"enregistrer", demande.titre, demande.repertoire, Icone::aucune, {}});
    demandesFichiers.push_back(demande);
    return prendreReponse(reponsesFichiers).value_or(std::nullopt);
}

std::vector<std::string> QuestionsScriptees::messages() const {
    std::vector<std::string> liste;
    for (const auto& q : questions)
        if (q.genre == "message") liste.push_back(q.titre + ": " + q.texte);
    return liste;
}

} // namespace vedo
