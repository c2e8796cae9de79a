#pragma once
// The print dialog "Imprimer" as plain data: the printer's name, the page
// title, the number of copies, which of the apparatus picture, the graph and
// the table to print, and its buttons. Each opening starts from the design
// defaults. The printing itself is the shell's: the model asks for it
// through `ServicesImpression`, in the order the dialog needs the answers.

#include "presentation/EtatControle.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

// What "&OK" prints.
struct ChoixImpression {
    std::string titre;
    int exemplaires = 1;
    bool animation = false;
    bool graphe = false;
    bool tableau = false;
};

struct ServicesImpression {
    std::function<std::string()> nomImprimante;
    // The printer set-up dialog ("&Imprimantes").
    std::function<void()> reglerImprimante;
    // Before printing (a PDF file's name, asked for and checked): false stops there.
    std::function<bool()> preparer;
    // False when the printer or the file refuses the job.
    std::function<bool(const ChoixImpression&)> imprimer;
    std::function<void()> signalerEchec;
    // The dialog closes, printed (true) or cancelled.
    std::function<void(bool imprime)> fermer;
};

class ModeleConfimp {
public:
    static constexpr std::string_view titre = "Imprimer";
    static constexpr int maximumExemplaires = 99;
    static constexpr int ecartSousFenetre = 20; // pixels below the main window's top

    // `tableau`: whether there is a table of values to print.
    ModeleConfimp(ServicesImpression services, bool tableau);

    const std::vector<EtatControle>& controles() const { return controles_; }
    // Null when the dialog has no control of that name; the boxes are
    // "Check1(0)".."Check1(2)".
    const EtatControle* controle(std::string_view nom) const;

    void cliquer(std::string_view nom);
    // The text of a box typed, or the count chosen.
    void changer(std::string_view nom, const std::string& texte);
    void changer(std::string_view nom, int valeur);
    void cocher(std::string_view nom, bool coche);

    // Told of each control whose state changed; `immediat`: shown before the
    // call returns (the waiting message before the printer work).
    std::function<void(const EtatControle&, bool immediat)> actualise;

private:
    EtatControle& etat(std::string_view nom);
    void notifier(EtatControle& e, bool immediat = false);
    void afficherImprimante();
    void attendre(bool oui);
    void imprimer();

    ServicesImpression services_;
    std::vector<EtatControle> controles_;
};

} // namespace vedo
