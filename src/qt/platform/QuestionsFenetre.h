#pragma once
// The core's questions asked as those of one window, so that each dialog
// opens over it and gives it back the focus.

#include "platform/Prompter.h"

namespace vedo {

class QuestionsFenetre : public Questions {
public:
    QuestionsFenetre(Prompter& prompteur, QWidget* fenetre) : prompteur_(prompteur), fenetre_(fenetre) {}

    Bouton message(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                   Bouton parDefaut) override;
    int menu(const ElementsMenu& elements, Pixel position) override;
    std::optional<Couleur> couleur(Couleur initiale) override;
    std::optional<std::string> fichierAOuvrir(const QuestionFichier& demande) override;
    std::optional<std::string> fichierAEnregistrer(const QuestionFichier& demande) override;

private:
    template <typename Question> auto demander(Question question);

    Prompter& prompteur_;
    QWidget* fenetre_;
};

} // namespace vedo
