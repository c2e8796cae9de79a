#pragma once
// What a message box shows besides its texts: its icon and its buttons.

#include <cstdint>
#include <initializer_list>

namespace vedo {

enum class Icone : std::uint8_t { aucune, information, avertissement, question, critique };

enum class Bouton : std::uint8_t { aucun = 0, ok = 1, oui = 2, non = 4, annuler = 8 };

// A set of buttons, `Boutons{Bouton::oui, Bouton::non}`; shown in the order
// ok, oui, non, annuler.
struct Boutons {
    std::uint8_t bits = 0;

    constexpr Boutons() = default;
    constexpr Boutons(Bouton b) : bits(static_cast<std::uint8_t>(b)) {}
    constexpr Boutons(std::initializer_list<Bouton> boutons) {
        for (Bouton b : boutons)
            bits |= static_cast<std::uint8_t>(b);
    }

    constexpr bool contient(Bouton b) const {
        return b != Bouton::aucun && (bits & static_cast<std::uint8_t>(b));
    }
    friend constexpr bool operator==(Boutons, Boutons) = default;
};

inline constexpr Bouton ordreBoutons[] = {Bouton::ok, Bouton::oui, Bouton::non, Bouton::annuler};

// The button a person pressing Enter gets: the default one, else the first
// of the set in the order of the message box.
constexpr Bouton boutonParDefaut(Boutons boutons, Bouton parDefaut) {
    if (parDefaut != Bouton::aucun) return parDefaut;
    for (Bouton b : ordreBoutons)
        if (boutons.contient(b)) return b;
    return Bouton::ok;
}

} // namespace vedo
