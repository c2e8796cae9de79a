#pragma once
// What the calculator's keys do: they build the entry `saisie` in the
// evaluator's syntax ("2 * sin 30"), "EXE" evaluates it, and the display
// text follows. The window only maps its buttons and keyboard onto these.

#include "evaluator/Evaluateur.h"

#include <functional>
#include <string>
#include <string_view>

namespace vedo {

class Calculatrice {
public:
    static constexpr std::string_view messageAttente = "    Patience... Calculs en cours.     ";
    static constexpr std::string_view messageDepassement = "Dépassement de capacité";

    // `memoire` is the application's register, which outlives the calculator.
    explicit Calculatrice(double& memoire) : memoire_(memoire) {}

    const std::string& saisie() const { return saisie_; }
    const std::string& affichage() const { return affichage_; }
    const std::string& derniereReponse() const { return derniereReponse_; }
    CodeErreur erreur() const { return erreur_; }
    ModeAngle modeAngle() const { return modeAngle_; }
    bool scientifique() const { return scientifique_; }

    // Called for every error shown; the window beeps.
    std::function<void()> bip;

    // Digits, ".", "E", ")" and the unit prefixes ("E+3"): appended as they are.
    void ajouter(std::string_view texte);
    // Keys that start a factor ("(", "sin ", "1 / "...): " * " goes first
    // after a number or a ")".
    void facteur(std::string_view texte);
    void pi();
    void plus();
    void moins();
    void multiplier();
    void diviser();
    void puissance();
    void carre();
    void reponse(); // "ANS"
    // Evaluates a copy of the entry; `poursuivre` is the evaluator's display
    // test, by default that this display still shows the waiting message.
    void executer(const TestAffichage& poursuivre = {});
    void effacer(); // erase backwards
    void toutEffacer();

    void ajouterMemoire();
    void soustraireMemoire();
    void rappelerMemoire();
    void effacerMemoire();

    void choisirAngle(ModeAngle mode) { modeAngle_ = mode; }
    void choisirAffichage(bool scientifique);

    // A character typed on the keyboard ('\b' for Backspace); false when
    // the character has no key. Enter is "EXE", left to the caller.
    bool frappe(char c);

    static std::string messageErreur(CodeErreur erreur);

private:
    void montrerSaisie() { affichage_ = saisie_; }
    void ajouterOperateur(std::string_view operateur);
    // The value as the display writes it, empty when it cannot be written.
    std::string texteResultat(double valeur) const;
    void signalerErreur(const std::string& message);

    double& memoire_;
    std::string saisie_;
    std::string affichage_;
    std::string derniereReponse_;
    CodeErreur erreur_ = CodeErreur::aucune;
    ModeAngle modeAngle_ = ModeAngle::degres;
    bool scientifique_ = false;
};

} // namespace vedo
