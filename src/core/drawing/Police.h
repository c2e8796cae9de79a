#pragma once
// A font as the pictures name it, and what a text measures in it.

#include <string>

namespace vedo {

struct Police {
    std::string nom = "Arial";
    double points = 8;
    bool gras = false;
    bool italique = false;

    friend bool operator==(const Police&, const Police&) = default;
};

// In pixels: the advance of the text, the height of a printed line in the font
// and the part of it above the base line.
struct MesureTexte {
    double largeur = 0;
    double hauteur = 0;
    double ascent = 0;
};

} // namespace vedo
