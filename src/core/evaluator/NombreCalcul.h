#pragma once
// Numbers travel between the evaluator's steps as text: up to 15
// significant digits with "." as the point, exponent form below 1E-4 and
// from 1E15 (1E-05, 1.5E+20); read back as sign, digits, point, digits and
// an "E" or "D" exponent, 0 when the text holds no number.

#include <string>
#include <string_view>

namespace vedo {

std::string texteNombreCalcul(double v);

// Throws EchecCalcul when the number read lies beyond the double range, so
// that no infinity enters the arithmetic.
double lireNombreCalcul(std::string_view texte);

} // namespace vedo
