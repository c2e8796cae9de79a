#pragma once
// The exercise window "Exercices" as plain data: the name `fichierexo` of the
// exercise chosen, its preview (title, notions, stars of difficulty,
// hourglasses of working time, corrected or not), and the opening of it into
// the main window. The file lists are the shell's: it hands over the file
// clicked with its folder, and is told of every change through `actualise`.

#include "platform/FichiersNommes.h"
#include "platform/Questions.h"
#include "presentation/EtatControle.h"
#include "presentation/FenetreExercice.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

class ModeleFichexo {
public:
    static constexpr std::string_view legendeCorrige = "Exercice corrigé";
    static constexpr std::string_view legendeNonCorrige = "Non corrigé";

    // Starts with the preview empty and "Sélectionner un fichier" shown.
    ModeleFichexo(Questions& questions, FichiersNommes& fichiers, FenetreExercice& fenetre);

    // The name box and the preview's controls; the stars are "etoile0" to
    // "etoile2", `coche` when lit.
    const std::vector<EtatControle>& controles() const { return controles_; }
    // Null when the window has no control of that name.
    const EtatControle* controle(std::string_view nom) const;
    const std::string& fichierexo() const;
    // Lit stars of the last exercise previewed.
    int etoilesAllumees() const { return etoilesAllumees_; }

    // The text of `fichierexo` typed; any other name does nothing.
    void changer(std::string_view nom, const std::string& texte);

    // The window's activation, once it is shown: the first file of the
    // list, `premier` in `repertoire`, is previewed.
    void activation(const std::string& repertoire, const std::string& premier);
    // A file of the list clicked; `repertoire` ends with the separator.
    void File1_Click(const std::string& repertoire, const std::string& nom);
    // Previews the exercise `fichierexo` names.
    void apercu();
    // Opens it: statement, configuration, flags; then the window closes,
    // even when it could not be opened.
    void ouvreur_Click();

    // Told of each control whose state changed; `immediat`: shown before the
    // call returns (the wait notice while the files load).
    std::function<void(const EtatControle&, bool immediat)> actualise;
    std::function<void()> fermer;

private:
    EtatControle& etat(std::string_view nom);
    void montrer(std::string_view nom, bool visible);
    void ecrire(std::string_view nom, const std::string& texte);
    void notifier(EtatControle& e, bool immediat = false);
    // Hides the wait notice and closes the window.
    void terminer();

    Questions& questions_;
    FichiersNommes& fichiers_;
    FenetreExercice& fenetre_;
    std::vector<EtatControle> controles_;
    std::string repexo_;
    int etoilesAllumees_ = 0;
};

} // namespace vedo
