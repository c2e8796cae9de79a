#include "EssaiCoeur.h"

#include "engine/History.h"
#include "engine/KeptRuns.h"

#include <string>

using namespace vedo;

namespace {

CourbeConservee courbe(int reaction, int temperature, int classe = 0, int distillation = 0,
                       int catalyseur = 0) {
    CourbeConservee c;
    c.courbeParam = {std::int16_t(reaction),     std::int16_t(temperature), std::int16_t(classe), 0,
                     std::int16_t(distillation), std::int16_t(catalyseur)};
    c.courbeDuree = 600;
    return c;
}

// Runs to its end and stores a run as "État final" does.
void terminerRun(KeptRuns& store, bool conserver, int marque) {
    store.debutRun(conserver);
    store.finRun(conserver);
    store.enrcourbe(courbe(0, marque), 1.0f);
}

std::string texte(const std::vector<MorceauHistorique>& morceaux) {
    std::string s;
    for (const auto& m : morceaux)
        s += m.texte;
    return s;
}

int occurrences(const std::string& texte, const std::string& motif) {
    int n = 0;
    for (auto i = texte.find(motif); i != std::string::npos; i = texte.find(motif, i + motif.size()))
        ++n;
    return n;
}

bool contient(const std::string& texte, const std::string& motif) {
    return texte.find(motif) != std::string::npos;
}

} // namespace

ESSAI(twelveRunsKeepElevenSlots) {
    KeptRuns store;
    for (int run = 1; run <= 12; ++run)
        terminerRun(store, true, run);
    COMPARE(int(store.nbCourbes), 10);
    COMPARE(store.nombre(), 11);
    for (int s = 0; s <= 9; ++s)
        COMPARE(int(store.emplacement(s).courbeParam[1]), s + 1);
    COMPARE(int(store.emplacement(10).courbeParam[1]), 12);
    const auto histoire = texte(makehisto(store));
    COMPARE(occurrences(histoire, "\u2022"), 11);
    VERIFIE(contient(histoire, "Réaction 11 : "));
    VERIFIE(!contient(histoire, "Réaction 12 : "));
}

ESSAI(withoutKeepingEachRunReplacesSlotZero) {
    KeptRuns store;
    terminerRun(store, false, 1);
    store.debutRun(false);
    COMPARE(int(store.nbCourbes), -1); // empty while the next run goes
    terminerRun(store, false, 2);
    COMPARE(int(store.nbCourbes), 0);
    COMPARE(int(store.emplacement(0).courbeParam[1]), 2);
}

ESSAI(resetCounterRules) {
    struct Ligne {
        const char* nom;
        bool conserver;
        int avant;
        bool animation;
        int apres;
    };
    essai::lignes<Ligne>({{"kept, idle: the run just stored is forgotten", true, 3, false, 2},
                          {"kept, animated: unchanged", true, 3, true, 3},
                          {"kept, animated, one run kept: still slot 0", true, 0, true, 0},
                          {"kept, empty store", true, -1, false, -1},
                          {"not kept", false, 3, false, -1}},
                         [](const Ligne& l) {
                             KeptRuns store;
                             store.nbCourbes = std::int16_t(l.avant);
                             store.retourEtatInitial(l.conserver, l.animation);
                             COMPARE(int(store.nbCourbes), l.apres);
                         });
}

// A counter outside the slots stores nothing, neither a slot nor the
// scale; inside, exactly its own slot changes.
ESSAI(storeOnlyInItsSlot) {
    struct Ligne {
        const char* nom;
        int compteur, emplacement;
    };
    essai::lignes<Ligne>(
        {{"empty store", -1, -1}, {"past the last slot", 11, -1}, {"first slot", 0, 0}, {"last slot", 10, 10}},
        [](const Ligne& l) {
            KeptRuns store;
            for (int j = 0; j < nombreEmplacements; ++j) {
                store.nbCourbes = std::int16_t(j);
                store.enrcourbe(courbe(0, 100 + j), 1.0f);
            }
            store.nbCourbes = std::int16_t(l.compteur);
            store.enrcourbe(courbe(1, 500), 3.0f);
            COMPARE(store.ymaxEnr, l.emplacement < 0 ? 1.0f : 3.0f);
            for (int j = 0; j < nombreEmplacements; ++j)
                COMPARE(int(store.emplacement(j).courbeParam[1]), j == l.emplacement ? 500 : 100 + j);
        });
}

ESSAI(historyTexts) {
    struct Ligne {
        const char* nom;
        int reaction, temperature, classe, distillation, catalyseur;
        const char* arial;
    };
    essai::lignes<Ligne>(
        {{"esterification with its class line", 0, 200, 0, 0, 0,
          "Réaction 1 : Acide carboxylique et alcool\r\nTempérature : 20 °C\r\n\r\nAlcool primaire"},
         {"half degree with a comma", 2, 205, 2, 0, 0,
          "Réaction 1 : Ester et eau\r\nTempérature : 20,5 °C\r\n\r\nAlcool tertiaire"},
         {"anhydride has no class line", 1, 1000, 1, 0, 0,
          "Réaction 1 : Anhydride d'acide et alcool\r\nTempérature : 100 °C\r\n"},
         {"saponification, distillation and catalyst", 3, 0, 0, 1, 1,
          "Réaction 1 : Ester et hydroxyde de sodium\r\nTempérature : 0 "
          "°C\r\n\r\nDistillation\r\nCatalyseur"},
         {"distillation alone", 1, 200, 0, 1, 0,
          "Réaction 1 : Anhydride d'acide et alcool\r\nTempérature : 20 °C\r\n\r\nDistillation"},
         {"catalyst alone", 3, 200, 0, 0, 1,
          "Réaction 1 : Ester et hydroxyde de sodium\r\nTempérature : 20 °C\r\n\r\nCatalyseur"},
         // Only a damaged store holds these: the name outside its list is left empty.
         {"reaction just beyond the list", 4, 200, 0, 0, 0, "Réaction 1 : \r\nTempérature : 20 °C\r\n"},
         {"class just below the list", 0, 200, -1, 0, 0,
          "Réaction 1 : Acide carboxylique et alcool\r\nTempérature : 20 °C\r\n\r\n"}},
        [](const Ligne& l) {
            KeptRuns store;
            store.nbCourbes = 0;
            store.enrcourbe(courbe(l.reaction, l.temperature, l.classe, l.distillation, l.catalyseur), 1.0f);
            const auto morceaux = makehisto(store);
            COMPARE(morceaux.size(), std::size_t(2));
            COMPARE(morceaux[0].police, MorceauHistorique::Police::symbole);
            COMPARE(morceaux[0].texte, " \u2022 \r\n");
            COMPARE(morceaux[1].police, MorceauHistorique::Police::arial);
            COMPARE(morceaux[1].texte, l.arial);
        });
}

// Each stored value goes back to its own condition, none of them the
// default one; the two switches each on in turn.
ESSAI(storedRunReadsBackItsConditions) {
    struct Ligne {
        const char* nom;
        int distillation, catalyseur;
    };
    essai::lignes<Ligne>({{"distilled without the catalyst", 1, 0}, {"the catalyst without distilling", 0, 1}},
                         [](const Ligne& l) {
                             CourbeConservee c;
                             c.courbeQuantite = {9, 1, 2, 3, 4};
                             c.courbeParam = {3, 650, 2, 1, std::int16_t(l.distillation), std::int16_t(l.catalyseur)};
                             const Conditions k = c.conditions();
                             COMPARE(int(k.reaction), 3);
                             COMPARE(int(k.temperature), 650);
                             COMPARE(int(k.classeAlcool), 2);
                             COMPARE(int(k.especeVolatile), 1);
                             COMPARE(int(k.distillation), l.distillation);
                             COMPARE(int(k.catalyseur), l.catalyseur);
                             COMPARE(c.quantites(), (Quantites{1, 2, 3, 4}));
                         });
}

ESSAI(emptyStoreGivesEmptyHistory) {
    KeptRuns store;
    COMPARE(store.nombre(), 0);
    VERIFIE(makehisto(store).empty());
}
