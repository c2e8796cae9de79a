#include "EssaiCoeur.h"

#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "engine/Reaction.h"

#include <string>
#include <vector>

using namespace vedo;

using Textes = std::vector<std::string>;

ESSAI(validation) {
    struct Ligne {
        const char* nom;
        Textes saisies;
        int quitte;
        DepassementQuantite depassement;
        Textes textes;
    };
    essai::lignes<Ligne>(
        {{"all zero: the box left becomes 0,001", {"0", "0", "0", "0"}, 0, DepassementQuantite::inferieur,
          {"0,001", "0", "0", "0"}},
         {"5, 5, 3, 0 leaving the third: it becomes 0", {"5", "5", "3", "0"}, 2, DepassementQuantite::superieur,
          {"5", "5", "0", "0"}},
         {"three digits after leaving any box", {"1,23456", "0,1", "0", "0"}, 3, DepassementQuantite::aucun,
          {"1,23", "0,1", "0", "0"}},
         {"typed point reads like a comma", {"0.25", "0,1", "0", "0"}, 0, DepassementQuantite::aucun,
          {"0,25", "0,1", "0", "0"}},
         {"empty box counts as 0 and becomes a number", {"", "0,1", "0", "0"}, 1, DepassementQuantite::aucun,
          {"0", "0,1", "0", "0"}},
         {"others above 10 mol: corrected box 0, never negative", {"6", "6", "1", "0"}, 2,
          DepassementQuantite::superieur, {"6", "6", "0", "0"}},
         {"exactly 10 mol is accepted", {"2,5", "2,5", "2,5", "2,5"}, 0, DepassementQuantite::aucun,
          {"2,5", "2,5", "2,5", "2,5"}},
         {"exactly 0,001 mol is accepted", {"0,001", "0", "0", "0"}, 0, DepassementQuantite::aucun,
          {"0,001", "0", "0", "0"}},
         {"below 0,001 by a fraction", {"0,0007", "0", "0", "0"}, 0, DepassementQuantite::inferieur,
          {"0,001", "0", "0", "0"}},
         {"the fourth box counts in the total", {"5", "5", "0", "1"}, 0, DepassementQuantite::superieur,
          {"4", "5", "0", "1"}},
         {"an unreadable box counts as 0 in the total", {"", "9,5", "0", "0"}, 0, DepassementQuantite::aucun,
          {"0", "9,5", "0", "0"}},
         // The single nearest 1,2349999 shows as 1,235 in seven digits, which
         // reads back as a single just above it: three digits give 1,24.
         {"the box left takes a single's seven digits, then three", {"1,2349999", "0", "0", "0"}, 0,
          DepassementQuantite::aucun, {"1,24", "0", "0", "0"}},
         // Halfway amounts round up as they read, in the box left and in the others,
         // though the single nearest each lies just below it.
         {"halfway 1,005 in the box left rounds up", {"1,005", "0", "0", "0"}, 0, DepassementQuantite::aucun,
          {"1,01", "0", "0", "0"}},
         {"halfway 2,675 in another box rounds up", {"0,1", "2,675", "0", "0"}, 0, DepassementQuantite::aucun,
          {"0,1", "2,68", "0", "0"}},
         {"halfway 0,1235 rounds up", {"0", "0", "0,1235", "0"}, 2, DepassementQuantite::aucun,
          {"0", "0", "0,124", "0"}},
         {"over the top by a fraction", {"9,5", "0,4", "0,2", "0"}, 0, DepassementQuantite::superieur,
          {"9,4", "0,4", "0,2", "0"}}},
        [](const Ligne& l) {
            std::array<std::string, 4> boites;
            for (int i = 0; i < 4; ++i)
                boites[i] = l.saisies[i];
            const auto r = validerQuantites(boites, l.quitte);
            COMPARE(r.depassement, l.depassement);
            COMPARE(Textes(r.textes.begin(), r.textes.end()), l.textes);
        });
}

ESSAI(typedAmountIsSinglePrecision) {
    COMPARE(double(*quantiteSaisie("0,1")), double(0.1f));
    VERIFIE(!quantiteSaisie("abc"));
    // Only a configuration file brings a minus sign: no negative amount reaches a run.
    COMPARE(double(*quantiteSaisie("-2")), 0.0);
}

ESSAI(durations) {
    struct Ligne {
        const char* nom;
        int position, secondes;
        const char* legende;
    };
    essai::lignes<Ligne>({{"top: 200 h", 1, 720000, "200 h"},
                          {"100 h", 2, 360000, "100 h"},
                          {"50 h", 3, 180000, "50 h"},
                          {"20 h", 4, 72000, "20 h"},
                          {"10 h", 5, 36000, "10 h"},
                          {"5 h", 6, 18000, "5 h"},
                          {"2 h", 7, 7200, "2 h"},
                          {"1 h", 8, 3600, "1 h"},
                          {"30 min", 9, 1800, "30 min"},
                          {"20 min", 10, 1200, "20 min"},
                          {"start-up: 10 min", 11, 600, "10 min"},
                          {"5 min", 12, 300, "5 min"},
                          {"2 min", 13, 120, "2 min"},
                          {"1 min", 14, 60, "1 min"},
                          {"30 s", 15, 30, "30 s"},
                          {"bottom: 20 s", 16, 20, "20 s"}},
                         [](const Ligne& l) {
                             COMPARE(dureePosition(l.position), l.secondes);
                             COMPARE(legendeDuree(l.secondes), l.legende);
                         });
}

ESSAI(speciesNames) {
    struct Ligne {
        const char* nom;
        int reaction;
        Textes noms;
    };
    essai::lignes<Ligne>(
        {{"esterification", 0, {"Acide carboxylique", "Alcool", "Ester", "Eau"}},
         {"anhydride", 1, {"Anhydride d'acide", "Alcool", "Ester", "Acide carboxylique"}},
         {"hydrolysis", 2, {"Ester", "Eau", "Acide carboxylique", "Alcool"}},
         {"saponification", 3, {"Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool"}},
         {"beyond the list: the first reaction's", 4, {"Acide carboxylique", "Alcool", "Ester", "Eau"}},
         {"below the list: the first reaction's", -1, {"Acide carboxylique", "Alcool", "Ester", "Eau"}}},
        [](const Ligne& l) {
            Textes obtenus;
            for (const auto& nom : nomsEspeces(l.reaction))
                obtenus.push_back(std::string(nom));
            COMPARE(obtenus, l.noms);
        });
}

ESSAI(positionOutsideTheSelector) {
    COMPARE(dureePosition(0), 0);
    COMPARE(dureePosition(17), 0);
    COMPARE(dureePosition(positionDureeDemarrage), 600);
}
