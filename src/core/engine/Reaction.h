#pragma once
// The four reactions A + B <=> C + D of the simulator, the names of their
// species and the classes of the alcohol, in the order of their lists.

#include <array>
#include <string>

namespace vedo {

inline constexpr int nombreReactions = 4;
inline constexpr int nombreClasses = 3;

// "Acide carboxylique et alcool", "Anhydride d'acide et alcool", "Ester et eau",
// "Ester et hydroxyde de sodium".
const std::array<std::string, nombreReactions>& nomsReactions();

// "Alcool primaire", "Alcool secondaire", "Alcool tertiaire".
const std::array<std::string, nombreClasses>& nomsClasses();

// Names of A, B, C, D for a reaction 0..3; an index outside gives reaction 0's.
const std::array<std::string, 4>& nomsEspeces(int reaction);

// The class of the alcohol matters only for the esterification and the
// hydrolysis (reactions 0 and 2).
bool reactionAvecClasse(int reaction);

} // namespace vedo
