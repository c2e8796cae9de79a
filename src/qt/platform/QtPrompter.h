#pragma once

#include "platform/Prompter.h"

namespace vedo {

class QtPrompter : public Prompter {
public:
    using Prompter::couleur;
    using Prompter::fichierAEnregistrer;
    using Prompter::fichierAOuvrir;
    using Prompter::menu;
    using Prompter::message;

    Bouton message(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                   Bouton parDefaut) override;
    int menu(const ElementsMenu& elements, Pixel position) override;
    std::optional<Couleur> couleur(Couleur initiale) override;
    std::optional<std::string> fichierAOuvrir(const QuestionFichier& demande) override;
    std::optional<std::string> fichierAEnregistrer(const QuestionFichier& demande) override;
    bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override;

protected:
    int montrer(QDialog& dialogue) override;
};

} // namespace vedo
