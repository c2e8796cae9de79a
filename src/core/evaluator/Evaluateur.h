#pragma once
// The calculator's evaluator: a rewriting engine, not a parser with a tree.
// It rewrites the expression text again and again, replacing each function
// call whose argument is a number, each innermost parenthesised group and
// each binary operation by the text of its value, until one number is left.
//
// Operators are applied one at a time at their leftmost occurrence, in the
// order ^, /, *, -, +; so 2^3^2 is 64, -2^2 is 4 (a sign belongs to its
// number), 5-3+2 is 4 and 8/4*2 is 4.

#include "evaluator/EchecCalcul.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vedo {

enum class ModeAngle : std::int16_t { degres = 0, radians = 1 };

enum class CodeErreur : std::int16_t {
    aucune = 0,
    calculImpossible = 1, // any failure of the computation
    parentheses = 2,      // as many "(" as ")" are needed
    operateurs = 3,       // "*", "/" or "^" with nothing after it
};

// Asked before each step of the operators: false stops the rewriting there
// (the calculator answers true while its display shows the waiting
// message).
using TestAffichage = std::function<bool()>;

// On success the expression holds the result's number text (see
// NombreCalcul.h); on failure it holds whatever the rewriting reached, so
// callers evaluate a copy of what was typed.
CodeErreur evaluer(std::string& expression, ModeAngle mode, const TestAffichage& poursuivre = {},
                   std::size_t limiteTravail = BudgetCalcul::limiteParDefaut);

} // namespace vedo
