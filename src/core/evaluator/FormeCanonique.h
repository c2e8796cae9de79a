#pragma once
// The evaluator's canonical text: upper case, a blank at each end, each
// binary operator between two blanks (" + ", " - ", " * ", " / ", " ^ "),
// each three-letter function token followed by one blank, no other blank.
// A "-" or "+" written directly before a number is its sign.

#include "evaluator/EchecCalcul.h"

#include <string>
#include <string_view>

namespace vedo {

// The ten function tokens: SQR, SIN, COS, LOG, TAN, ISI, EXP, ITA, ICO, LON.
bool estJetonFonction(std::string_view troisCaracteres);

// Upper case, sign pairs reduced ("--" to "+", "+-" and "-+" to "-", "++"
// to "+"), a leading "+" dropped, parenthesised plain numbers unwrapped
// ("(-2.5)" to "-2.5"), then spaced.
void normaliser(std::string& texte, BudgetCalcul& budget);

// Puts the blanks of the canonical form, spells "LN" as "LON", "INVSIN"
// as "ISI" (and COS, TAN likewise) and "ù" as "SQR".
void espacer(std::string& texte, BudgetCalcul& budget);

} // namespace vedo
