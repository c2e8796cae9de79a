#pragma once
// Every number shown or read by the program goes through here, so that the
// decimal comma of the French interface does not depend on the machine's
// locale.
//
// General format: up to 15 significant digits for a double, 7 for a single,
// no trailing zeros; exponent form below 1E-4 and from 1E15 (double) or 1E7
// (single), written 1,5E-05 or 1E+20.
//
// Pattern formats ("0.00E+00", "0.0E+00", "######0.0", "#0",
// "#.#######E+00") start from the general-format digits of the value and
// round halves away from zero: "0.00E+00" of 2.675 gives 2,68E+00.

#include <optional>
#include <string>
#include <string_view>

namespace vedo {

inline constexpr char virgule = ',';

std::string texteGeneral(double v, char separateur = virgule);
std::string texteGeneralSimple(float v, char separateur = virgule);

// pattern is one of "0.00E+00", "0.0E+00", "######0.0", "#0", "#.#######E+00".
std::string texteFormat(double v, std::string_view pattern, char separateur = virgule);
// The same from the 7 general-format digits of a single.
std::string texteFormatSimple(float v, std::string_view pattern, char separateur = virgule);

// Three significant digits: "0.00E+00", read back as a single, general
// format. No result when the value does not fit a single.
std::optional<std::string> texteTroisChiffres(double v);
// The same rounding as a number.
std::optional<float> valeurTroisChiffres(double v);
// Three significant digits of a single's own 7 digits, so that a typed
// 1,005 rounds to 1,01 as it reads, not to the 1,00499999 it is stored as.
std::optional<std::string> texteTroisChiffresSimple(float v);

// A number typed by the user: blanks around it, an optional sign, a comma or
// a point as decimal separator, an optional exponent. No result when the
// whole text is not one number.
std::optional<double> lireNombre(std::string_view texte);

// The leading number of a text: blanks skipped, then whatever forms a number
// (sign, digits, a point, exponent); 0 when nothing does.
double valeurEnTete(std::string_view texte);

} // namespace vedo
