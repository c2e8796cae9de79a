#pragma once
// Questions that show nothing: each is recorded, and answered from a
// script, or with the answer a person closing the window would give when the
// script is empty. Tests drive windows through them; the command-line tool
// uses them with an echo of each message to stderr.

#include "platform/Questions.h"

#include <deque>
#include <vector>

namespace vedo {

struct QuestionPosee {
    std::string genre; // "message", "menu", "couleur", "ouvrir", "enregistrer", or the shell's own
    std::string titre;
    std::string texte; // message text, menu items joined by '|' (a sub-menu's in brackets), colour "#rrggbb"
    Icone icone = Icone::aucune;
    Boutons boutons;
};

class QuestionsScriptees : public virtual Questions {
public:
    std::vector<QuestionPosee> questions;
    // Every file chooser asked for, whole.
    std::vector<QuestionFichier> demandesFichiers;

    // Answers used in order, one per question of their kind.
    std::deque<Bouton> reponsesMessages;
    // The `choix` of the item picked; an item a person could not pick (not
    // there, disabled, a separator) closes the menu without a choice.
    std::deque<int> reponsesMenus;
    std::deque<std::optional<Couleur>> reponsesCouleurs;
    std::deque<std::optional<std::string>> reponsesFichiers;

    // Echoes every message as "title: text" on stderr.
    bool echo = false;

    Bouton message(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                   Bouton parDefaut) override;
    int menu(const ElementsMenu& elements, Pixel position) override;
    std::optional<Couleur> couleur(Couleur initiale) override;
    std::optional<std::string> fichierAOuvrir(const QuestionFichier& demande) override;
    std::optional<std::string> fichierAEnregistrer(const QuestionFichier& demande) override;

    // The messages asked so far, as "title: text".
    std::vector<std::string> messages() const;
};

// The next answer of a script, taken off it; none when it is empty.
template <typename T> std::optional<T> prendreReponse(std::deque<T>& reponses) {
    if (reponses.empty()) return std::nullopt;
    T r = std::move(reponses.front());
    reponses.pop_front();
    return r;
}

} // namespace vedo
