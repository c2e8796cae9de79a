#include "records/FichierExercice.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "records/FichierEnregistrements.h"

#include <algorithm>
#include <vector>

namespace vedo {

namespace {

// Far more than any exercise asks, and a string that stays small.
constexpr int sabliersMax = 50;
constexpr char sablier[] = "\u231B";

// Blank as the records can hold it: ASCII blanks and the no-break space.
bool blanc(std::string_view texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == ' ' || (c >= '\t' && c <= '\r')) continue;
        if (texte.substr(i, 2) == "\u00A0") {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

bool FichierExercice::corrige() const {
    return !blanc(correction) || !blanc(configurationCorrection);
}

int FichierExercice::etoilesAllumees() const {
    const double niveau = valeurEnTete(difficulte);
    int allumees = 0;
    for (int i = 0; i < 3; ++i)
        if (niveau > i) ++allumees;
    return allumees;
}

std::string FichierExercice::texteNotions() const {
    std::string texte;
    for (const std::string& ligne : notions)
        texte += ligne;
    return texte;
}

std::string FichierExercice::sabliers() const {
    const auto n = versEntier16(valeurEnTete(dureeTravail));
    if (!n || *n <= 0) return {};
    std::string texte;
    for (int i = 0; i < std::min<int>(*n, sabliersMax); ++i)
        texte += sablier;
    return texte;
}

std::optional<FichierExercice> decoderExercice(std::string_view fichier, bool suiteIllisible) {
    FichierExercice e;
    const std::array<std::string*, 4> noms = {&e.enonce, &e.configuration, &e.correction,
                                              &e.configurationCorrection};
    for (int numero = 1; numero <= 4; ++numero) {
        const auto texte = texteEnregistrement(fichier, numero, suiteIllisible);
        if (!texte) return std::nullopt;
        *noms[numero - 1] = *texte;
    }
    const auto lire = [&](int numero) {
        return texteEnregistrement(fichier, numero, suiteIllisible).value_or(std::string());
    };
    e.difficulte = lire(5);
    for (int i = 0; i < 4; ++i)
        e.notions[i] = lire(7 + i);
    e.titre = lire(11);
    e.dureeTravail = lire(12);
    return e;
}

std::optional<std::string> coderExercice(const FichierExercice& e) {
    std::vector<std::string> textes = {e.enonce,     e.configuration, e.correction, e.configurationCorrection,
                                       e.difficulte, std::string()};
    for (const std::string& ligne : e.notions)
        textes.push_back(ligne);
    textes.push_back(e.titre);
    textes.push_back(e.dureeTravail);
    return coderEnregistrements(textes);
}

} // namespace vedo
