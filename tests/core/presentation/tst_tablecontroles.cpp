#include "EssaiCoeur.h"

#include "presentation/TableControles.h"

using namespace vedo;

ESSAI(indices) {
    struct Ligne {
        const char* nom;
        const char* controle;
        int y;
        const char* infoActuel;
        std::optional<std::string> indice;
    };
    const char* copie = "Le graphe est copié";
    essai::lignes<Ligne>(
        {
            {"a key of the button row", "Command8", 2, "", "Machine à calculer"},
            {"every amount box shares one hint", "Text1(3)", 2, "", "Saisir les quantités de matière à l'état initial"},
            {"the conditions panel above its distillation part", "Picture3", 119, "",
             "Vous pouvez augmenter ou diminuer la température du système ou ajouter un catalyseur"},
            {"the conditions panel from its distillation part down", "Picture3(0)", 120, "", "Distillation"},
            {"\"Co&pier\" while the copy is confirmed leaves the line", "Command4", 2, copie, std::nullopt},
            {"\"Co&pier\" otherwise", "Command4", 2, "",
             "Copier pour placer l'image dans le presse-papiers puis coller depuis Word, Paint..."},
            {"a control named only for assistive technologies has no hint", "rtf1", 2, "", std::nullopt},
            {"an unknown control has none", "Label9", 2, "", std::nullopt},
        },
        [copie](const Ligne& l) { COMPARE(indiceControle(l.controle, l.y, l.infoActuel, copie), l.indice); });
}

ESSAI(fichesUniques) {
    const auto& table = controlesFeuilleP();
    for (std::size_t i = 0; i < table.size(); ++i) {
        VERIFIE(!table[i].indice.empty() || !table[i].infoBulle.empty() || !table[i].nomAccessible.empty());
        for (std::size_t j = i + 1; j < table.size(); ++j) VERIFIE(table[i].nom != table[j].nom);
    }
}

// Each control is one stop of the chain: a second one would cut it short.
ESSAI(chaineTabulation) {
    const auto& chaine = chaineTabulationFeuilleP();
    for (std::size_t i = 0; i < chaine.size(); ++i)
        for (std::size_t j = i + 1; j < chaine.size(); ++j) VERIFIE(chaine[i] != chaine[j], std::string(chaine[i]));
}
