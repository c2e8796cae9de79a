#pragma once
// What opening an exercise changes in the main window and the application:
// the folder its names are relative to, the statement in the text area, the
// box naming the open file, the offer of the correction, the configuration
// and the text-modified flag. The shell keeps them; the exercise window
// changes them only through this.

#include <string>

namespace vedo {

class FenetreExercice {
public:
    virtual ~FenetreExercice() = default;

    // `repexo`, ending with the separator.
    virtual void changerRepexo(const std::string& repertoire) = 0;
    // Loads the text named `nom` in `repexo`, with an empty undo history;
    // false, the text unchanged, when it cannot be read.
    virtual bool chargerTexte(const std::string& nom) = 0;
    // `fich`.
    virtual void nommerFichier(const std::string& chemin) = 0;
    // "Voir la correction" offered or not.
    virtual void offrirCorrection(bool oui) = 0;
    // The configuration named `nom` in `repexo` becomes the current one and
    // is applied; a blank name changes nothing.
    virtual void chargerConfiguration(const std::string& nom) = 0;
    // The text is as opened: leaving it asks nothing.
    virtual void texteNonModifie() = 0;
};

} // namespace vedo
