#include "EssaiCoeur.h"

#include "records/FichierEnregistrements.h"
#include "records/FichierExercice.h"

#include <string>

using namespace vedo;

namespace {

FichierExercice exerciceComplet() {
    return {.enonce = "EQUILIBRE.RTF",
            .configuration = "EQUILIBRE.C15",
            .correction = "EQUILIBRE_C.RTF",
            .configurationCorrection = "EQUILIBRE_C.C15",
            .difficulte = "2",
            .notions = {"Rendement\r\n", "Équilibre", "", ""},
            .titre = "  Équilibre d'estérification  ",
            .dureeTravail = "3"};
}

std::string enregistrement(const std::string& texte) {
    return coderEnregistrement(texte).value();
}

std::string sabliers(int nombre) {
    std::string s;
    for (int i = 0; i < nombre; ++i)
        s += "\u231B";
    return s;
}

} // namespace

ESSAI(writtenFileReadsBack) {
    struct Ligne {
        const char* nom;
        FichierExercice exercice;
    };
    FichierExercice sansCorrection = exerciceComplet();
    sansCorrection.correction.clear();
    sansCorrection.configurationCorrection.clear();
    FichierExercice sansConfiguration = exerciceComplet();
    sansConfiguration.configuration.clear();
    essai::lignes<Ligne>({{"corrected exercise with four records of notions", exerciceComplet()},
                          {"exercise without correction", sansCorrection},
                          {"exercise without configuration", sansConfiguration}},
                         [](const Ligne& l) {
                             const auto octets = coderExercice(l.exercice);
                             VERIFIE(octets.has_value());
                             COMPARE(octets->size(), std::size_t(12 * tailleEnregistrement));
                             VERIFIE(decoderExercice(*octets) == std::optional(l.exercice));
                         });
}

ESSAI(recordsSitWhereOtherProgramsLookForThem) {
    const std::string f = coderExercice(exerciceComplet()).value();
    struct Ligne {
        const char* nom;
        int numero;
        std::string texte;
    };
    essai::lignes<Ligne>({{"statement", 1, "EQUILIBRE.RTF"},
                          {"correction configuration", 4, "EQUILIBRE_C.C15"},
                          {"difficulty", 5, "2"},
                          {"record 6 left empty", 6, ""},
                          {"second notion", 8, "Équilibre"},
                          {"title with its blanks", 11, "  Équilibre d'estérification  "},
                          {"working time", 12, "3"}},
                         [&f](const Ligne& l) {
                             COMPARE(texteEnregistrement(f, l.numero), std::optional<std::string>(l.texte));
                         });
}

ESSAI(gettingStartedFileWithTwoRecordsReads) {
    const auto e = decoderExercice(enregistrement("ESTER.RTF") + enregistrement("ESTER.C15"));
    VERIFIE(e.has_value());
    COMPARE(e->enonce, std::string("ESTER.RTF"));
    COMPARE(e->configuration, std::string("ESTER.C15"));
    VERIFIE(!e->corrige());
    COMPARE(e->etoilesAllumees(), 0);
    COMPARE(e->sabliers(), std::string());
}

ESSAI(damagedExerciseFiles) {
    struct Ligne {
        const char* nom;
        std::string octets;
        bool lisible;
        std::string titre;
    };
    std::string longueurExcessive = enregistrement("x");
    longueurExcessive[0] = char(127);
    const std::string quatre = enregistrement("A.RTF") + enregistrement("") + enregistrement("") + enregistrement("");
    essai::lignes<Ligne>(
        {{"empty file reads as four empty names", "", true, ""},
         {"record 3 claims 127 bytes", enregistrement("A.RTF") + enregistrement("") + longueurExcessive, false, ""},
         {"record 2 cut short", enregistrement("A.RTF") + std::string(40, 'x'), false, ""},
         {"damaged title record reads as empty",
          quatre + enregistrement("1") + enregistrement("") + std::string(4 * 128, '\0') + longueurExcessive, true,
          ""},
         {"title after a damaged notion record",
          quatre + enregistrement("1") + enregistrement("") + longueurExcessive + std::string(3 * 128, '\0') +
              enregistrement("Titre"),
          true, "Titre"}},
        [](const Ligne& l) {
            const auto e = decoderExercice(l.octets);
            COMPARE(e.has_value(), l.lisible);
            if (e) COMPARE(e->titre, l.titre);
        });
}

ESSAI(tooLongNotionIsRefused) {
    FichierExercice trop = exerciceComplet();
    trop.notions[0] = std::string(127, 'n');
    VERIFIE(!coderExercice(trop));
}

ESSAI(corrected) {
    struct Ligne {
        const char* nom;
        std::string correction, configurationCorrection;
        bool corrige;
    };
    essai::lignes<Ligne>({{"both names", "C.RTF", "C.C15", true},
                          {"correction text only", "C.RTF", "", true},
                          {"correction configuration only", "", "C.C15", true},
                          {"neither", "", "", false},
                          {"spaces only", "   ", " ", false},
                          {"tabs, line ends and no-break spaces", "\t\r\n", "\u00A0 ", false}},
                         [](const Ligne& l) {
                             FichierExercice e;
                             e.correction = l.correction;
                             e.configurationCorrection = l.configurationCorrection;
                             COMPARE(e.corrige(), l.corrige);
                         });
}

ESSAI(litStars) {
    struct Ligne {
        const char* nom;
        std::string difficulte;
        int allumees;
    };
    essai::lignes<Ligne>({{"0: three dark stars", "0", 0},
                          {"1", "1", 1},
                          {"2 with blanks", "  2 ", 2},
                          {"3: three lit stars", "3", 3},
                          {"above 3 stays at three", "7", 3},
                          {"negative", "-1", 0},
                          {"2.5 lights the third", "2.5", 3},
                          {"empty", "", 0},
                          {"not a number", "facile", 0}},
                         [](const Ligne& l) {
                             FichierExercice e;
                             e.difficulte = l.difficulte;
                             COMPARE(e.etoilesAllumees(), l.allumees);
                         });
}

ESSAI(hourglasses) {
    struct Ligne {
        const char* nom;
        std::string duree;
        int nombre;
    };
    essai::lignes<Ligne>({{"3", "3", 3},
                          {"0", "0", 0},
                          {"2.6 rounds to 3", "2.6", 3},
                          {"2.5 rounds to even", "2.5", 2},
                          {"negative", "-2", 0},
                          {"beyond a 16-bit integer", "99999", 0},
                          {"a long time is bounded", "500", 50},
                          {"empty", "", 0}},
                         [](const Ligne& l) {
                             FichierExercice e;
                             e.dureeTravail = l.duree;
                             COMPARE(e.sabliers(), sabliers(l.nombre));
                         });
}

ESSAI(notionsFollowEachOtherUnchanged) {
    FichierExercice e;
    e.notions = {"Un\r\n", "", "deux ", "trois"};
    COMPARE(e.texteNotions(), std::string("Un\r\ndeux trois"));
}
