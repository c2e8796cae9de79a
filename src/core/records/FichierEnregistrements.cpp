#include "records/FichierEnregistrements.h"

#include "common/Windows1252.h"

#include <algorithm>

namespace vedo {

std::optional<std::string> decoderEnregistrement(std::string_view octets) {
    if (octets.size() < 2) return std::nullopt;
    const std::size_t longueur =
        static_cast<unsigned char>(octets[0]) | (static_cast<unsigned char>(octets[1]) << 8);
    if (longueur > static_cast<std::size_t>(longueurTexteMax) || octets.size() < 2 + longueur) return std::nullopt;
    return cp1252VersUtf8(octets.substr(2, longueur));
}

std::optional<std::string> texteEnregistrement(std::string_view fichier, int numero, bool suiteIllisible) {
    if (numero < 1) return std::nullopt;
    const auto debut = positionEnregistrement(numero);
    if (debut >= static_cast<std::int64_t>(fichier.size()))
        return suiteIllisible ? std::nullopt : std::optional<std::string>(std::string());
    return decoderEnregistrement(fichier.substr(static_cast<std::size_t>(debut), tailleEnregistrement));
}

std::optional<std::string> coderEnregistrement(std::string_view texte) {
    const std::string octets = utf8VersCp1252(texte);
    if (octets.size() > static_cast<std::size_t>(longueurTexteMax)) return std::nullopt;
    std::string enregistrement(tailleEnregistrement, '\0');
    enregistrement[0] = static_cast<char>(octets.size() & 0xFF);
    enregistrement[1] = static_cast<char>(octets.size() >> 8);
    std::copy(octets.begin(), octets.end(), enregistrement.begin() + 2);
    return enregistrement;
}

std::optional<std::string> coderEnregistrements(const std::vector<std::string>& textes) {
    std::string contenu;
    for (const std::string& texte : textes) {
        const auto octets = coderEnregistrement(texte);
        if (!octets) return std::nullopt;
        contenu += *octets;
    }
    return contenu;
}

} // namespace vedo
