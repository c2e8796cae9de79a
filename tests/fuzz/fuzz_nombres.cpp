// The number readers take whatever the user types and whatever a record
// holds; what they read must also format back.

#include "common/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const double enTete = vedo::valeurEnTete(texte);
    if (std::isfinite(enTete)) vedo::texteGeneral(enTete);
    if (const auto v = vedo::lireNombre(texte); v && std::isfinite(*v)) {
        vedo::texteGeneral(*v);
        vedo::texteGeneralSimple(static_cast<float>(*v));
        vedo::texteTroisChiffres(*v);
        for (const char* format : {"0.00E+00", "0.0E+00", "######0.0", "#0", "#.#######E+00"})
            vedo::texteFormat(*v, format);
    }
    return 0;
}
