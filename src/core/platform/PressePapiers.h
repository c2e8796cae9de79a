#pragma once
// The system's clipboard, for the texts the core puts on it; the shells
// copy their own pictures.

#include <string>

namespace vedo {

class PressePapiers {
public:
    virtual ~PressePapiers() = default;

    // What the clipboard held is replaced by `texte` alone.
    virtual void copierTexte(const std::string& texte) = 0;
};

} // namespace vedo
