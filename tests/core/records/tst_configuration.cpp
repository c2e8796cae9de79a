#include "EssaiCoeur.h"

#include "records/Configuration.h"
#include "records/FichierEnregistrements.h"

#include <string>
#include <vector>

using namespace vedo;

namespace {
std::string fichier(const std::vector<std::string>& textes) {
    return coderEnregistrements(textes).value();
}
} // namespace

ESSAI(defaultsRoundTrip) {
    const auto octets = coderConfiguration(Configuration{});
    VERIFIE(octets.has_value());
    COMPARE(octets->size(), std::size_t(3456));
    const auto lu = decoderConfiguration(*octets);
    COMPARE(lu.erreur, ErreurConfiguration::aucune);
    COMPARE(lu.dernierEnregistrementLu, 27);
    VERIFIE(lu.configuration == Configuration{});
}

ESSAI(recordTexts) {
    // Start-up settings: curves blue, magenta, orange, green as r + 256 g + 65536 b.
    COMPARE(textesConfiguration(Configuration{}),
            (std::vector<std::string>{"ESTER", "0,1",       "0,1",    "0",      "0",   " 0",  " 0",
                                      "-1",    " 16711680", " 16711935", " 33023", " 49152", " 11", " 60",
                                      " 200",  " 50",       "1",      "0",      "1",   "1",   "1",
                                      "1",     "0",         "0",      "1",      "0",   "0"}));
    Configuration c;
    c.reaction = 2;
    c.couleurs[0] = 255;
    c.tableauValeurs = true;
    c.representationGraphique = false;
    const auto t = textesConfiguration(c);
    COMPARE(t[5], std::string(" 2"));
    COMPARE(t[8], std::string(" 255"));
    COMPARE(t[16], std::string("0"));
    COMPARE(t[17], std::string("1"));
}

// One entry per record after the first, in order, each written as it reads back.
ESSAI(tableOfRecords) {
    const auto& table = tableConfiguration();
    COMPARE(table.size(), std::size_t(enregistrementsConfiguration - 1));
    Configuration autre;
    autre.quantites = {"1", "2", "3", "4"};
    autre.reaction = 3;
    autre.especeVolatile = 2;
    autre.couleurs = {1, 2, 3, 4};
    autre.temperature = 1000;
    autre.courbes = {false, true, false, true};
    autre.catalyseur = true;
    struct Ligne {
        const char* nom;
        std::size_t index;
    };
    std::vector<Ligne> lignes;
    static std::vector<std::string> noms;
    noms.clear();
    for (std::size_t i = 0; i < table.size(); ++i)
        noms.push_back(std::string("record ").append(std::to_string(i + 2)));
    for (std::size_t i = 0; i < table.size(); ++i)
        lignes.push_back({noms[i].c_str(), i});
    essai::lignes<Ligne>(lignes, [&](const Ligne& l) {
        const auto& e = table[l.index];
        COMPARE(e.numero, static_cast<int>(l.index) + 2);
        Configuration relue;
        VERIFIE(e.lire(relue, e.ecrire(autre)));
        COMPARE(e.ecrire(relue), e.ecrire(autre));
    });
}

ESSAI(damagedFiles) {
    struct Ligne {
        std::string nomLigne;
        const char* nom;
        std::vector<std::string> enregistrements;
        ErreurConfiguration erreur;
        int dernierLu;
    };
    const auto bon = textesConfiguration(Configuration{});
    const auto avec = [&bon](std::size_t index, const std::string& texte) {
        auto t = bon;
        t[index] = texte;
        return t;
    };
    std::vector<Ligne> lignes = {
        {"", "identification in lower case", avec(0, "ester"), ErreurConfiguration::fichierNonValide, 1},
        {"", "identification with a blank", avec(0, "ESTER "), ErreurConfiguration::fichierNonValide, 1},
        {"", "reaction outside the list", avec(5, " 4"), ErreurConfiguration::lectureImpossible, 5},
        {"", "duration position 0", avec(12, " 0"), ErreurConfiguration::lectureImpossible, 12},
        {"", "colour beyond 32 bits", avec(9, " 99999999999"), ErreurConfiguration::lectureImpossible, 9},
        {"", "only the identification", {"ESTER"}, ErreurConfiguration::lectureImpossible, 12},
    };
    // Each list index and scroll value at its bounds and one beyond them.
    const struct {
        int numero;
        const char* nom;
        int minimum, maximum;
    } bornes[] = {{6, "reaction", 0, 3},          {7, "class", 0, 2},          {8, "volatile species", -1, 3},
                  {13, "duration position", 1, 16}, {14, "table rows", 10, 100}, {15, "temperature", 0, 1000},
                  {16, "animation speed", 0, 1000}};
    for (const auto& b : bornes) {
        const auto ligne = [&](int valeur, bool accepte) {
            lignes.push_back({std::string(b.nom).append(" ").append(std::to_string(valeur)).append(accepte ? " accepted" : " refused"),
                              nullptr, avec(b.numero - 1, texteEntierEnregistrement(valeur)),
                              accepte ? ErreurConfiguration::aucune : ErreurConfiguration::lectureImpossible,
                              accepte ? 27 : b.numero - 1});
        };
        ligne(b.minimum, true);
        ligne(b.maximum, true);
        ligne(b.minimum - 1, false);
        ligne(b.maximum + 1, false);
    }
    for (auto& l : lignes)
        if (!l.nom) l.nom = l.nomLigne.c_str();
    essai::lignes<Ligne>(lignes, [](const Ligne& l) {
        const auto lu = decoderConfiguration(fichier(l.enregistrements));
        COMPARE(lu.erreur, l.erreur);
        if (l.erreur != ErreurConfiguration::fichierNonValide) COMPARE(lu.dernierEnregistrementLu, l.dernierLu);
    });
}

ESSAI(unreadableBytes) {
    struct Ligne {
        const char* nom;
        std::string octets;
        bool suiteIllisible;
        ErreurConfiguration erreur;
        int dernierLu;
    };
    std::string longueur127(128, '\0');
    longueur127[0] = char(127);
    const std::string bon = coderConfiguration(Configuration{}).value();
    essai::lignes<Ligne>(
        {{"length above 126 is a read error", longueur127, false, ErreurConfiguration::lectureImpossible, 1},
         {"nothing could be read", "", true, ErreurConfiguration::lectureImpossible, 1},
         {"a read error after record 20", bon.substr(0, 20 * 128), true, ErreurConfiguration::lectureImpossible,
          20},
         {"an empty file is not a configuration", "", false, ErreurConfiguration::fichierNonValide, 1}},
        [](const Ligne& l) {
            const auto lu = decoderConfiguration(l.octets, l.suiteIllisible);
            COMPARE(lu.erreur, l.erreur);
            COMPARE(lu.dernierEnregistrementLu, l.dernierLu);
        });
}

// Record 23, "Tracer en gras", unticked by default; record 20, the
// second curve, shown by default.
ESSAI(flagsOnlyExactOne) {
    struct Ligne {
        const char* nom;
        int enregistrement;
        std::string texte;
        bool coche;
    };
    essai::lignes<Ligne>({{"1", 23, "1", true},
                          {"leading blank", 23, " 1", false},
                          {"minus one", 23, "-1", false},
                          {"zero", 23, "0", false},
                          {"empty", 23, "", false},
                          {"ten", 23, "10", false},
                          {"trailing blank", 23, "1 ", false},
                          {"a curve hidden", 20, "0", false}},
                         [](const Ligne& l) {
                             auto t = textesConfiguration(Configuration{});
                             t[l.enregistrement - 1] = l.texte;
                             const auto lu = decoderConfiguration(fichier(t));
                             COMPARE(lu.erreur, ErreurConfiguration::aucune);
                             COMPARE(l.enregistrement == 23 ? lu.configuration.traceGras
                                                            : lu.configuration.courbes[1],
                                     l.coche);
                         });
}

// Integer records hold a leading number: what follows it is ignored.
ESSAI(integersAreLeadingNumbers) {
    struct Ligne {
        const char* nom;
        std::string texte;
        int temperature;
    };
    essai::lignes<Ligne>({{"decimal comma ends the number", "3,7", 3}, {"letters after a blank", "2 abc", 2}},
                         [](const Ligne& l) {
                             auto t = textesConfiguration(Configuration{});
                             t[14] = l.texte;
                             const auto lu = decoderConfiguration(fichier(t));
                             COMPARE(lu.erreur, ErreurConfiguration::aucune);
                             COMPARE(int(lu.configuration.temperature), l.temperature);
                         });
}

ESSAI(amountsKeptAsTyped) {
    Configuration c;
    c.quantites = {"6", "6", "0,5", "abc"};
    COMPARE(decoderConfiguration(coderConfiguration(c).value()).configuration.quantites, c.quantites);
    // A text too long for its record gives no file.
    c.quantites[0] = std::string(127, '1');
    VERIFIE(!coderConfiguration(c));
}
