#pragma once
// The main window's controls that have words of their own: the hint that the
// line `info` writes when the mouse passes over them, the tool tip, and the
// name told to assistive technologies; and the order Tab goes through them.
// Both shells take them from here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

inline constexpr std::string_view indiceFenetre =
    "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice";

struct FicheControle {
    std::string_view nom; // the control's name; "Text1" stands for every Text1(k)
    std::string_view indice;
    std::string_view infoBulle;
    std::string_view nomAccessible;
};

const std::vector<FicheControle>& controlesFeuilleP();

// The order Tab takes through the main window's controls, as the eye reads
// it: the button row, the graph's buttons (or the table over the graph),
// the tab strip and the panel shown, the run buttons, then the exercise.
// The shell passes over a control that is hidden, disabled or covered.
const std::vector<std::string_view>& chaineTabulationFeuilleP();

// The hint of a control ("Text1(2)" counting as "Text1"), the mouse `y`
// pixels below its top. Nothing leaves `info` as it is: controls without a
// hint, and "Co&pier" while a copy is being confirmed (`infoActuel` showing
// `messageCopie`).
std::optional<std::string> indiceControle(std::string_view nom, int y, std::string_view infoActuel = {},
                                          std::string_view messageCopie = {});

} // namespace vedo
