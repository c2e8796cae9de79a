#pragma once
// The run history shown in the "Historique" tab: one entry per kept run,
// rebuilt from the store whenever it changes.

#include "engine/KeptRuns.h"

#include <string>
#include <vector>

namespace vedo {

struct MorceauHistorique {
    enum class Police { symbole, arial };
    Police police;
    std::string texte; // UTF-8; line breaks are "\r\n"
};

// The pieces to append in order: a bullet line in the symbol font, then the
// reaction, the temperature, and the class, distillation and catalyst lines
// that apply. Nothing when the store is empty.
std::vector<MorceauHistorique> makehisto(const KeptRuns& store);

} // namespace vedo
