#include "view/TableauValeurs.h"

#include "common/NumberText.h"
#include "engine/AmountRules.h"
#include "engine/RateLaw.h"
#include "engine/Reaction.h"
#include "view/GraphScale.h"

#include <algorithm>

namespace vedo {

int nombreLignesTableau(int valeurDefilement) {
    return 111 - valeurDefilement;
}

std::string texteCellule(double valeur) {
    return texteTroisChiffres(valeur).value_or(std::string());
}

std::optional<std::string> texteQr(const Quantites& n) {
    const double denominateur = n[0] * n[1];
    if (denominateur == 0.0) return std::nullopt;
    return texteCellule(n[2] * n[3] / denominateur);
}

void TableauValeurs::prepatab(std::int32_t duree, int valeurDefilement,
                              const std::array<std::string, 4>& textesQuantites, const Conditions& conditions) {
    for (auto& l : lignes_)
        l = LigneTableau{};
    if (duree == 0) return;
    unite_ = uniteTemps(duree);
    const int r = nombreLignesTableau(valeurDefilement);
    if (r < 2) return;
    lignes_.assign(static_cast<std::size_t>(r), LigneTableau{});
    for (int i = 0; i < r; ++i) {
        const double t = static_cast<double>(i) * duree / (r - 1);
        lignes_[static_cast<std::size_t>(i)][0] = texteFormat(t / unite_, "######0.0");
    }
    auto& premiere = lignes_[0];
    for (int i = 0; i < 4; ++i)
        premiere[static_cast<std::size_t>(i + 1)] = textesQuantites[static_cast<std::size_t>(i)];
    // Row 0 is the instant 0 whatever run came before: its Qr is that of
    // the amounts it shows, the distilled species gone.
    Quantites depart{};
    for (std::size_t i = 0; i < 4; ++i)
        depart[i] = quantiteSaisie(textesQuantites[i]).value_or(0.0f);
    distiller(depart, conditions);
    if (conditions.distillation == 1 && conditions.especeVolatile >= 0 && conditions.especeVolatile <= 3)
        premiere[static_cast<std::size_t>(conditions.especeVolatile + 1)] = "0";
    if (const auto qr = texteQr(depart)) premiere[5] = *qr;
}

void TableauValeurs::ecrireLigne(int ligne, const Quantites& n) {
    if (ligne < 0 || ligne >= nombreLignes()) return;
    auto& l = lignes_[static_cast<std::size_t>(ligne)];
    for (int i = 0; i < 4; ++i)
        l[static_cast<std::size_t>(i + 1)] = texteCellule(n[static_cast<std::size_t>(i)]);
    if (const auto qr = texteQr(n)) l[5] = *qr;
}

std::array<std::string, colonnesTableau> TableauValeurs::enTetes(int reaction) const {
    const auto& noms = nomsEspeces(reaction);
    return {"\r\nt (" + nomUnite(unite_) + ")", noms[0], noms[1], noms[2], noms[3], "\r\nQr"};
}

std::string texteTableau(const std::vector<LigneTableau>& lignes) {
    std::string texte;
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        if (r > 0) texte += '\n';
        for (std::size_t c = 0; c < lignes[r].size(); ++c) {
            if (c > 0) texte += '\t';
            texte += lignes[r][c];
        }
    }
    std::replace(texte.begin(), texte.end(), '\r', '\n');
    return texte;
}

} // namespace vedo
