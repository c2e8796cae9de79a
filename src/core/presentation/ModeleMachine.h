#pragma once
// The calculator window "Machine à calculer" as plain data: its display `z1`,
// its keys, the angle and display options, and what each gesture does. A
// shell draws the controls' states, hands back the clicks and the characters
// typed, and is told of every change through `actualise`.

#include "evaluator/Calculatrice.h"
#include "presentation/EtatControle.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

class ModeleMachine {
public:
    static constexpr int largeur = 302;
    static constexpr int hauteur = 431;
    static constexpr std::string_view titre = "Machine à calculer";

    // `memoire` is the application's register, which outlives every opening.
    explicit ModeleMachine(double& memoire);

    // The display, the two frames, their options, then the keys.
    const std::vector<EtatControle>& controles() const { return controles_; }
    // Null when the window has no control of that name.
    const EtatControle* controle(std::string_view nom) const;
    const std::string& affichage() const { return calculatrice_.affichage(); }

    // A key or an option clicked; a name the window does not have does nothing.
    void cliquer(std::string_view nom);
    // A character typed anywhere in the window: '\r' is Enter ("EXE"), '\b'
    // Backspace. False when the character has no use here.
    bool frapper(char c);

    // Told of each control whose state changed. `immediat`: the shell shows it
    // before the call returns, for the waiting message of a long computation.
    std::function<void(const EtatControle&, bool immediat)> actualise;
    // Every error shown beeps.
    std::function<void()> bip;

    // The display's font: the error messages are long, so it shrinks from 13
    // points until the text fits `largeurUtile` pixels, down to 7, bold from 10
    // points up; a longer text scrolls. `largeurTexte` measures a text in
    // Arial at a size, bold or not.
    struct Police {
        int points;
        bool gras;
    };
    static Police policeAffichage(const std::string& texte, int largeurUtile,
                                  const std::function<int(const std::string&, int, bool)>& largeurTexte);

private:
    EtatControle& etat(std::string_view nom);
    void changer(EtatControle& etat, bool immediat = false);
    void montrer();
    void executer();
    void choisirOption(std::string_view nom);

    Calculatrice calculatrice_;
    std::vector<EtatControle> controles_;
};

} // namespace vedo
