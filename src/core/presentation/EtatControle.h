#pragma once
// The state of one control of a window, as a shell shows it: the core decides
// every field, the shell only draws it and reports what the person did.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

// A rectangle of a window's design, in its pixels.
struct Place {
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;

    bool contient(const Place& p) const {
        return p.x >= x && p.y >= y && p.x + p.largeur <= x + largeur && p.y + p.hauteur <= y + hauteur;
    }
    bool operator==(const Place&) const = default;
};

enum class GenreControle { bouton, saisie, option, caseACocher, nombre, cadre, etiquette };

struct EtatControle {
    std::string nom; // the control's name in the window's design ("Command3", "z1")
    GenreControle genre = GenreControle::bouton;
    Place place;
    std::string legende; // a caption; a box's text
    std::string infoBulle;
    bool coche = false; // options and check boxes
    // A number box: its value and bounds.
    int valeur = 0;
    int minimum = 0;
    int maximum = 0;
    bool lectureSeule = false;
    bool parDefaut = false; // the button that Enter presses
    bool actif = true;
    bool visible = true;
    // A look the shell gives to related controls alike (the calculator's key families).
    std::string famille;
    // The frame holding the control, by its `nom`; empty for the window itself.
    std::string cadre;
};

// The control of that name among a window's, null when it has none.
inline const EtatControle* controleNomme(const std::vector<EtatControle>& controles, std::string_view nom) {
    const auto it = std::find_if(controles.begin(), controles.end(), [nom](const auto& e) { return e.nom == nom; });
    return it == controles.end() ? nullptr : &*it;
}

} // namespace vedo
