#include "engine/Reaction.h"

namespace vedo {

const std::array<std::string, nombreReactions>& nomsReactions() {
    static const std::array<std::string, nombreReactions> noms = {
        "Acide carboxylique et alcool", "Anhydride d'acide et alcool", "Ester et eau",
        "Ester et hydroxyde de sodium"};
    return noms;
}

const std::array<std::string, nombreClasses>& nomsClasses() {
    static const std::array<std::string, nombreClasses> noms = {"Alcool primaire", "Alcool secondaire",
                                                                "Alcool tertiaire"};
    return noms;
}

const std::array<std::string, 4>& nomsEspeces(int reaction) {
    static const std::array<std::array<std::string, 4>, nombreReactions> noms = {{
        {"Acide carboxylique", "Alcool", "Ester", "Eau"},
        {"Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique"},
        {"Ester", "Eau", "Acide carboxylique", "Alcool"},
        {"Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool"},
    }};
    return noms[(reaction >= 0 && reaction < nombreReactions) ? reaction : 0];
}

bool reactionAvecClasse(int reaction) {
    return reaction == 0 || reaction == 2;
}

} // namespace vedo
