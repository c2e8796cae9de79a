#pragma once
// The exercise menu `optionexo` as plain data: its items, which can be
// chosen, and what each does: the getting-started activity, opening an
// exercise and its correction, saving, reopening and printing the exercise
// text, closing the exercise. The shell pops the items up under `btexo` and
// hands back the one chosen.

#include "platform/ElementMenu.h"
#include "platform/FichiersNommes.h"
#include "platform/Questions.h"
#include "presentation/FenetreExercice.h"

#include <functional>
#include <string>
#include <vector>

namespace vedo {

struct ServicesMenuExercice {
    // The exercise window, modal.
    std::function<void()> choisirExercice;
    // The exercise `chemin` opened as if chosen in that window.
    std::function<void(const std::string& chemin)> ouvrirExercice;
    // The printer set-up, then the whole text with its formatting.
    std::function<void()> imprimerTexte;
};

class ModeleMenuExercice {
public:
    enum Element {
        PRISENMAIN,
        separons1,
        openexo,
        opencor,
        separons2,
        savetexte,
        opentexte,
        imprimetexte,
        separons3,
        Closexo,
    };

    ModeleMenuExercice(Questions& questions, FichiersNommes& fichiers, FenetreExercice& fenetre,
                       ServicesMenuExercice services);

    // The captions in order; separators are empty.
    static const std::vector<std::string>& legendes();
    // Which items can be chosen now.
    std::vector<bool> actifs() const;
    ElementsMenu elements() const;

    // Runs the command of an item; nothing for a separator, a disabled item
    // or no item.
    void executer(int element);

    void PRISENMAIN_Click();
    void openexo_Click();
    void opencor_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();

    // An exercise another program of the suite asked for, opened as if
    // chosen in the exercise window; false when the student kept his text.
    bool ouvrirExerciceTransmis(const std::string& chemin);

private:
    // The unsaved-text question: true when the command may replace the text.
    bool abandonAccepte();
    void erreur(const std::string& titre, const std::string& texte);

    Questions& questions_;
    FichiersNommes& fichiers_;
    FenetreExercice& fenetre_;
    ServicesMenuExercice services_;
};

} // namespace vedo
