#pragma once
// The system's clipboard: plain text, or a picture as the bytes of a PNG
// file.

#include <optional>
#include <string>

namespace vedo {

class PressePapiers {
public:
    virtual ~PressePapiers() = default;

    virtual void copierTexte(const std::string& texte) = 0;
    virtual void copierImage(const std::string& png) = 0;
    // Empty when the clipboard holds no text.
    virtual std::optional<std::string> texte() const = 0;
};

} // namespace vedo
