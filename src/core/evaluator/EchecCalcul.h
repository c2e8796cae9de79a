#pragma once
// A calculation that cannot go on: a domain or range error, or more work
// than any sensible entry needs. The evaluator turns it into error 1.

#include <cstddef>
#include <stdexcept>

namespace vedo {

struct EchecCalcul : std::runtime_error {
    EchecCalcul() : std::runtime_error("Calcul impossible") {}
};

// The rewriting can be quadratic in the length of the text (and worse for
// deep nestings), so every procedure pays for the characters it walks over;
// a pathological entry is stopped after a bounded amount of work instead of
// freezing the window.
class BudgetCalcul {
public:
    static constexpr std::size_t limiteParDefaut = 10'000'000;

    explicit BudgetCalcul(std::size_t limite = limiteParDefaut) : reste_(limite) {}

    void depenser(std::size_t quantite) {
        if (quantite > reste_) throw EchecCalcul();
        reste_ -= quantite;
    }

private:
    std::size_t reste_;
};

} // namespace vedo
