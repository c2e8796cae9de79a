#include "engine/History.h"

#include "common/NumberText.h"
#include "engine/Reaction.h"

namespace vedo {

namespace {
const std::string finLigne = "\r\n";

// The text of a list entry; an index outside the list reads as empty.
template <typename Liste> std::string entree(const Liste& liste, int index) {
    return (index >= 0 && index < static_cast<int>(liste.size())) ? liste[static_cast<std::size_t>(index)]
                                                                  : std::string();
}
} // namespace

std::vector<MorceauHistorique> makehisto(const KeptRuns& store) {
    std::vector<MorceauHistorique> morceaux;
    for (int s = 0; s <= store.nbCourbes && s < nombreEmplacements; ++s) {
        const auto& param = store.emplacement(s).courbeParam;
        morceaux.push_back({MorceauHistorique::Police::symbole, " \u2022 " + finLigne});
        std::string texte = "Réaction " + std::to_string(s + 1) + " : " + entree(nomsReactions(), param[0]) +
                            finLigne + "Température : " + texteGeneral(param[1] / 10.0) + " °C" + finLigne;
        if (reactionAvecClasse(param[0])) texte += finLigne + entree(nomsClasses(), param[2]);
        if (param[4] == 1) texte += finLigne + "Distillation";
        if (param[5] == 1) texte += finLigne + "Catalyseur";
        morceaux.push_back({MorceauHistorique::Police::arial, texte});
    }
    return morceaux;
}

} // namespace vedo
