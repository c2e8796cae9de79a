// The exercise file as the exercise window previews it: the records, then
// the stars, the notions and the hourglasses.

#include "records/FichierExercice.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (const auto e = vedo::decoderExercice(std::string_view(reinterpret_cast<const char*>(donnees), taille))) {
        e->corrige();
        e->etoilesAllumees();
        e->texteNotions();
        e->sabliers();
        vedo::coderExercice(*e);
    }
    return 0;
}
