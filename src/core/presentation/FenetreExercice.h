#pragma once
// What the exercise commands change in the main window and the
// application: the folder an exercise's names are relative to, the text
// area, the box naming the open file, the offer of the correction, the
// configuration and the text-modified flag. The shell keeps them; the
// exercise window and menu reach them only through this.

#include <string>

namespace vedo {

class FenetreExercice {
public:
    virtual ~FenetreExercice() = default;

    // `fich`: empty while no exercise is open.
    virtual std::string fichier() const = 0;
    virtual bool correctionDisponible() const = 0;
    virtual bool texteModifie() const = 0;
    // Where the getting-started activity is, ending with the separator.
    virtual std::string repertoireApplication() const = 0;

    // `repexo`, ending with the separator.
    virtual void changerRepexo(const std::string& repertoire) = 0;
    // Loads the text named `nom` in `repexo`, with an empty undo history;
    // false, the text unchanged, when it cannot be read.
    virtual bool chargerTexte(const std::string& nom) = 0;
    // The same for a text the person chose.
    virtual bool chargerTexteChoisi(const std::string& chemin) = 0;
    // The getting-started text, with an empty undo history.
    virtual void texteAccueil() = 0;
    // False when the file cannot be written.
    virtual bool enregistrerTexte(const std::string& chemin) = 0;
    // `fich`.
    virtual void nommerFichier(const std::string& texte) = 0;
    // "Voir la correction" offered or not.
    virtual void offrirCorrection(bool oui) = 0;
    // The configuration named `nom` in `repexo` becomes the current one and
    // is applied; a blank name changes nothing.
    virtual void chargerConfiguration(const std::string& nom) = 0;
    // The text is as opened: leaving it asks nothing.
    virtual void texteNonModifie() = 0;
};

} // namespace vedo
