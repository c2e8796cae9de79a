#include "EssaiCoeur.h"

#include "common/Windows1252.h"

#include <string>
#include <vector>

using namespace vedo;

ESSAI(toCodePage) {
    struct Ligne {
        const char* nom;
        std::string texte, octets;
    };
    essai::lignes<Ligne>(
        {{"ascii", "ESTER", "ESTER"},
         {"latin accents", "Réaction à 20 °C",
          "R\xe9"
          "action \xe0 20 \xb0"
          "C"},
         {"euro and quotes", "€ ‘’ “” …", "\x80 \x91\x92 \x93\x94 \x85"},
         {"oe ligature", "œuvre Œ", "\x9cuvre \x8c"},
         // One "?" a character, whatever the length of its UTF-8 sequence.
         {"outside the page: two, three and four bytes", "α→ẞ\U000F0000", "????"},
         {"0x80 to 0x9F, the five undefined as C1 controls",
          "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ",
          "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f"
          "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f"},
         {"empty text", "", ""}},
        [](const Ligne& l) { COMPARE(utf8VersCp1252(l.texte), l.octets); });
}

ESSAI(invalidUtf8BecomesQuestionMarks) {
    struct Ligne {
        const char* nom;
        std::string texte;
        std::size_t longueur; // of the text handed over, the rest lying beyond it
        std::string octets;
    };
    essai::lignes<Ligne>(
        {{"a byte that starts nothing",
          "a\xff"
          "b",
          3, "a?b"},
         {"sequence cut by the end", "\xc3", 1, "?"},
         {"cut by the end, though the next byte would complete it", "\xc3\xa9", 1, "?"},
         {"lead byte followed by a plain character",
          "\xc3"
          "ab",
          3, "?ab"},
         // A four-byte character takes three continuation bytes, not the stray fourth.
         {"four-byte character, then a stray continuation byte",
          "\xf0\x9f\x98\x80\x80"
          "b",
          6, "??b"}},
        [](const Ligne& l) { COMPARE(utf8VersCp1252(std::string_view(l.texte.data(), l.longueur)), l.octets); });
}

ESSAI(everyByteRoundTrips) {
    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    COMPARE(utf8VersCp1252(cp1252VersUtf8(tous)), tous);
}

ESSAI(toUtf8) {
    struct Ligne {
        std::string nom, octets, texte;
    };
    std::string ascii;
    for (int b = 1; b < 0x80; ++b)
        ascii += char(b);
    essai::lignes(std::vector<Ligne>{{"accents and the euro", "\xc9tat \x80", "État €"},
                                     {"every ASCII byte is itself, DEL included", ascii, ascii}},
                  [](const Ligne& l) { COMPARE(cp1252VersUtf8(l.octets), l.texte); });
}
