#pragma once
// What the program remembers from one session to the next, as texts by key.

#include <optional>
#include <string>

namespace vedo {

class Reglages {
public:
    virtual ~Reglages() = default;

    // Empty when nothing was written under `cle`.
    virtual std::optional<std::string> lire(const std::string& cle) const = 0;
    virtual void ecrire(const std::string& cle, const std::string& valeur) = 0;
};

} // namespace vedo
