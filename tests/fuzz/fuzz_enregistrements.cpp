// The record reader over any bytes: every record of the file, one past its
// end and a record far beyond it, each written back.

#include "records/FichierEnregistrements.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    const int dernier = static_cast<int>(taille / vedo::tailleEnregistrement) + 2;
    for (const bool suiteIllisible : {false, true})
        for (int numero = 1; numero <= dernier; ++numero)
            if (const auto texte = vedo::texteEnregistrement(octets, numero, suiteIllisible))
                vedo::coderEnregistrement(*texte);
    vedo::texteEnregistrement(octets, 1 << 24);
    return 0;
}
