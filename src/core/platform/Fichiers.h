#pragma once
// Files as bytes, never paths: opening gives a name and the bytes, saving
// takes a proposed name and the bytes. The desktop reads and writes the
// disk; a browser uses its file chooser and downloads. Like the questions,
// each comes in a blocking form and a callback form (`…Puis`).

#include "platform/QuestionFichier.h"

#include <functional>
#include <optional>
#include <string>

namespace vedo {

struct FichierLu {
    std::string nom; // without its folder
    std::string octets;
};

class Fichiers {
public:
    virtual ~Fichiers() = default;

    // Empty when the person chose nothing or the file could not be read.
    virtual std::optional<FichierLu> ouvrir(const QuestionFichier& demande) = 0;
    // False when the person chose nothing or the file could not be written.
    virtual bool enregistrer(const QuestionFichier& demande, const std::string& octets) = 0;

    virtual void ouvrirPuis(const QuestionFichier& demande,
                            std::function<void(std::optional<FichierLu>)> reponse) {
        reponse(ouvrir(demande));
    }
    virtual void enregistrerPuis(const QuestionFichier& demande, const std::string& octets,
                                 std::function<void(bool)> reponse) {
        reponse(enregistrer(demande, octets));
    }
};

} // namespace vedo
