#include "engine/AmountRules.h"

#include "common/NumberText.h"
#include "common/Rounding.h"

#include <algorithm>

namespace vedo {

std::optional<float> quantiteSaisie(const std::string& texte) {
    const auto v = lireNombre(texte);
    if (!v) return std::nullopt;
    // Only a configuration file can bring a minus sign into a box; an amount
    // of matter below zero means none.
    return versSimple(std::max(*v, 0.0));
}

ValidationQuantites validerQuantites(const std::array<std::string, 4>& textes, int indexQuitte) {
    ValidationQuantites r;
    r.textes = textes;
    if (indexQuitte < 0 || indexQuitte > 3) return r;

    std::array<float, 4> valeurs{};
    for (int i = 0; i < 4; ++i)
        valeurs[i] = quantiteSaisie(textes[i]).value_or(0.0f);
    float total = 0.0f;
    float autres = 0.0f;
    for (int i = 0; i < 4; ++i) {
        total += valeurs[i];
        if (i != indexQuitte) autres += valeurs[i];
    }

    if (total < quantiteTotaleMin) {
        r.depassement = DepassementQuantite::inferieur;
        r.textes[indexQuitte] = texteGeneral(0.001 - static_cast<double>(autres));
    }
    if (total > quantiteTotaleMax) {
        r.depassement = DepassementQuantite::superieur;
        // The other three alone may exceed 10 mol after a configuration was
        // loaded; an amount of matter is never negative.
        r.textes[indexQuitte] = texteGeneral(std::max(0.0, 10.0 - static_cast<double>(autres)));
    }
    if (const auto v = quantiteSaisie(r.textes[indexQuitte])) r.textes[indexQuitte] = texteGeneralSimple(*v);

    for (auto& texte : r.textes)
        if (const auto arrondi = texteTroisChiffresSimple(quantiteSaisie(texte).value_or(0.0f))) texte = *arrondi;
    return r;
}

} // namespace vedo
