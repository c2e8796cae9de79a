#include "platform/QuestionsFenetre.h"

namespace vedo {

template <typename Question> auto QuestionsFenetre::demander(Question question) {
    decltype(question()) reponse{};
    prompteur_.demanderPour(fenetre_, [&] { reponse = question(); });
    return reponse;
}

Bouton QuestionsFenetre::message(Icone icone, const std::string& titre, const std::string& texte,
                                 Boutons boutons, Bouton parDefaut) {
    return demander([&] { return prompteur_.message(icone, titre, texte, boutons, parDefaut); });
}

int QuestionsFenetre::menu(const ElementsMenu& elements, Pixel position) {
    return demander([&] { return prompteur_.menu(elements, position); });
}

std::optional<Couleur> QuestionsFenetre::couleur(Couleur initiale) {
    return demander([&] { return prompteur_.couleur(initiale); });
}

std::optional<std::string> QuestionsFenetre::fichierAOuvrir(const QuestionFichier& demande) {
    return demander([&] { return prompteur_.fichierAOuvrir(demande); });
}

std::optional<std::string> QuestionsFenetre::fichierAEnregistrer(const QuestionFichier& demande) {
    return demander([&] { return prompteur_.fichierAEnregistrer(demande); });
}

} // namespace vedo
