#include "EssaiCoeur.h"

#include "records/FichierEnregistrements.h"

#include <string>

using namespace vedo;

namespace {
std::string enregistrement(const std::string& texte, int longueurDeclaree = -1) {
    std::string r(tailleEnregistrement, '\0');
    const int l = longueurDeclaree < 0 ? static_cast<int>(texte.size()) : longueurDeclaree;
    r[0] = static_cast<char>(l & 0xFF);
    r[1] = static_cast<char>(l >> 8);
    r.replace(2, texte.size(), texte);
    return r.substr(0, tailleEnregistrement);
}
} // namespace

ESSAI(layoutByteForByte) {
    const auto octets = coderEnregistrement("Réaction");
    VERIFIE(octets.has_value());
    COMPARE(octets->size(), std::size_t(128));
    COMPARE(octets->substr(0, 10), std::string("\x08\x00R\xe9"
                                               "action",
                                               10));
    COMPARE(octets->substr(10), std::string(118, '\0'));
}

ESSAI(longestTextFitsAndLongerIsRefused) {
    struct Ligne {
        const char* nom;
        std::string texte;
        bool accepte;
    };
    std::string e126;
    for (int i = 0; i < 126; ++i)
        e126 += "é";
    essai::lignes<Ligne>({{"126 bytes", std::string(126, 'a'), true},
                          {"127 bytes", std::string(127, 'a'), false},
                          // 252 bytes of UTF-8 but 126 in Windows-1252: accents count once.
                          {"126 accents", e126, true}},
                         [](const Ligne& l) { COMPARE(coderEnregistrement(l.texte).has_value(), l.accepte); });
}

ESSAI(reading) {
    struct Ligne {
        const char* nom;
        std::string contenu;
        int numero;
        bool suiteIllisible;
        std::optional<std::string> texte;
    };
    const std::string deux = enregistrement("ESTER") + enregistrement(" 2");
    essai::lignes<Ligne>(
        {{"first record", deux, 1, false, "ESTER"},
         {"second record", deux, 2, false, " 2"},
         {"past the end reads empty", deux, 31, false, ""},
         {"empty file reads empty", "", 1, false, ""},
         {"exactly 126 bytes", enregistrement(std::string(126, 'x')), 1, false, std::string(126, 'x')},
         {"text read through Windows-1252, not Latin-1", enregistrement("c\x9cur \x92\x80"), 1, false,
          "cœur ’€"},
         {"length above 126", enregistrement("x", 127), 1, false, std::nullopt},
         {"length 0xFFFF", enregistrement("x", 0xFFFF), 1, false, std::nullopt},
         {"length 261: the high byte counts", enregistrement("x", 0x105), 1, false, std::nullopt},
         {"record cut inside its text", enregistrement("ESTER").substr(0, 5), 1, false, std::nullopt},
         {"only one length byte", std::string("\x05", 1), 1, false, std::nullopt},
         {"text cut before the declared length but record complete", enregistrement("ES", 5), 1, false,
          std::string("ES\0\0\0", 5)},
         {"record number zero", deux, 0, false, std::nullopt},
         {"past bytes that could not all be read", deux, 3, true, std::nullopt},
         {"before a read error", deux, 2, true, " 2"},
         {"a whole text before a read error in the rest of its record", enregistrement("ESTER").substr(0, 7), 1,
          true, "ESTER"}},
        [](const Ligne& l) { COMPARE(texteEnregistrement(l.contenu, l.numero, l.suiteIllisible), l.texte); });
}

ESSAI(wholeFile) {
    const auto fichier = coderEnregistrements({"ESTER", "0,1"});
    VERIFIE(fichier.has_value());
    COMPARE(fichier->size(), std::size_t(256));
    COMPARE(texteEnregistrement(*fichier, 2), std::optional<std::string>("0,1"));
    // A text too long gives no file at all, so that nothing is written.
    VERIFIE(!coderEnregistrements({"ESTER", std::string(200, 'x')}));
}
