#pragma once
// A file chooser as asked for: its title, where it starts, the name it
// proposes and the kinds of file it lists; texts in UTF-8.

#include <string>

namespace vedo {

struct QuestionFichier {
    std::string titre;
    std::string repertoire; // where the chooser starts
    std::string nomPropose;
    std::string filtre;              // "Texte au format RTF (*.RTF)"
    bool confirmerEcrasement = true; // false when the caller asks its own question
};

} // namespace vedo
