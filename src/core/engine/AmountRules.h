#pragma once
// Validation of the four initial amounts when a box loses the focus: their
// total must lie between 0,001 and 10 mol. The box that was left is
// corrected to bring the total to the bound, then every box is rewritten
// with three significant digits.

#include <array>
#include <optional>
#include <string>

namespace vedo {

enum class DepassementQuantite { aucun, inferieur, superieur };

inline constexpr float quantiteTotaleMin = 0.001f;
inline constexpr float quantiteTotaleMax = 10.0f;

struct ValidationQuantites {
    DepassementQuantite depassement = DepassementQuantite::aucun;
    std::array<std::string, 4> textes; // the four boxes as they must now read
};

// `textes` are the boxes as typed (comma or point); `indexQuitte` 0..3 is
// the box that lost the focus. A box that holds no number counts as 0 and is
// rewritten as a number.
ValidationQuantites validerQuantites(const std::array<std::string, 4>& textes, int indexQuitte);

// A typed amount as the run reads it: the text converted to single
// precision, a negative number read as 0; no result when the text is not a
// number or does not fit.
std::optional<float> quantiteSaisie(const std::string& texte);

} // namespace vedo
