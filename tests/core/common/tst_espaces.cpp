#include "EssaiCoeur.h"

#include "common/Espaces.h"

using namespace vedo;

ESSAI(sansEspacesAutour) {
    struct Ligne {
        const char* nom;
        const char* texte;
        const char* rogne;
    };
    essai::lignes<Ligne>(
        {
            {"ASCII blanks on both sides", " \t\r\nA B\v\f ", "A B"},
            {"no-break, ideographic and line separators", "\u00A0\u3000A\u2028\u0085", "A"},
            {"only blanks", "\u2003 \u00A0", ""},
            {"a letter of three bytes at the end stays", " \u20AC", "\u20AC"},
            {"a character of four bytes stays", "\U0001F600 ", "\U0001F600"},
            {"a lone byte of a sequence is not a blank", "\xA0 A \xC2", "\xA0 A \xC2"},
            {"an overlong space is invalid, not a blank", "\xC0\xA0" "A", "\xC0\xA0" "A"},
            {"a blank cut short at the end stays", "A\xE3\x80", "A\xE3\x80"},
        },
        [](const Ligne& l) {
            COMPARE(std::string(sansEspacesAutour(l.texte)), std::string(l.rogne));
            COMPARE(toutEspaces(l.texte), *l.rogne == '\0');
        });
}
