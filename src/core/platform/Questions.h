#pragma once
// Every question the program puts to the person: message boxes, pop-up
// menus, the colour chooser and the file choosers. Each comes in two forms.
// The blocking form returns the answer, for the callers whose next
// statement needs it; the callback form (`…Puis`) hands the answer over
// later, for a shell that cannot wait on a window (a browser). By default
// the callback form asks in the blocking form and answers at once.

#include "drawing/Couleur.h"
#include "drawing/Geometrie.h"
#include "platform/BoiteMessage.h"
#include "platform/ElementMenu.h"
#include "platform/QuestionFichier.h"

#include <functional>
#include <optional>
#include <string>

namespace vedo {

class Questions {
public:
    virtual ~Questions() = default;

    // Returns the button pressed (the default one when the box is closed
    // otherwise).
    virtual Bouton message(Icone icone, const std::string& titre, const std::string& texte,
                           Boutons boutons = Bouton::ok, Bouton parDefaut = Bouton::aucun) = 0;
    // A pop-up menu at a position of the screen; returns the `choix` of the
    // item chosen, in the menu or in one of its sub-menus, or -1.
    virtual int menu(const ElementsMenu& elements, Pixel position) = 0;
    virtual std::optional<Couleur> couleur(Couleur initiale) = 0;
    // The name of the file chosen.
    virtual std::optional<std::string> fichierAOuvrir(const QuestionFichier& demande) = 0;
    virtual std::optional<std::string> fichierAEnregistrer(const QuestionFichier& demande) = 0;

    virtual void messagePuis(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                             Bouton parDefaut, std::function<void(Bouton)> reponse) {
        reponse(message(icone, titre, texte, boutons, parDefaut));
    }
    virtual void menuPuis(const ElementsMenu& elements, Pixel position, std::function<void(int)> reponse) {
        reponse(menu(elements, position));
    }
    virtual void couleurPuis(Couleur initiale, std::function<void(std::optional<Couleur>)> reponse) {
        reponse(couleur(initiale));
    }
    virtual void fichierAOuvrirPuis(const QuestionFichier& demande,
                                    std::function<void(std::optional<std::string>)> reponse) {
        reponse(fichierAOuvrir(demande));
    }
    virtual void fichierAEnregistrerPuis(const QuestionFichier& demande,
                                         std::function<void(std::optional<std::string>)> reponse) {
        reponse(fichierAEnregistrer(demande));
    }
};

} // namespace vedo
