#include "EssaiCoeur.h"

#include "rtf/EcrivainRtf.h"
#include "rtf/LecteurRtf.h"

#include <string>

using namespace vedo;

namespace {
// The text of a paragraph, its runs one after the other.
std::u16string texte(const ParagrapheRtf& p) {
    std::u16string t;
    for (const auto& m : p.morceaux)
        t += m.texte;
    return t;
}
} // namespace

ESSAI(notRtfAtAll) {
    struct Ligne {
        const char* nom;
        std::string octets;
        bool lu;
        std::string erreur;
    };
    essai::lignes<Ligne>(
        {{"empty", "", false, "Le fichier est vide."},
         {"blanks only", " \r\n\t", false, "Le fichier est vide."},
         {"plain text", "Bonjour", false, "Ce fichier n'est pas un texte au format RTF."},
         {"clean text after a byte-order mark", "\xEF\xBB\xBF{\\rtf1 a}", true, ""},
         {"cut short", "{\\rtf1 {\\b a", true, "Le texte RTF est endommagé : seule sa partie lisible est affichée."}},
        [](const Ligne& l) {
            const auto r = lireDocumentRtf(l.octets);
            COMPARE(r.lu, l.lu);
            COMPARE(r.erreur, l.erreur);
        });
}

ESSAI(runsAndParagraphs) {
    const auto r = lireDocumentRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                                   "{\\colortbl;\\red0\\green0\\blue255;}"
                                   "\\pard\\qc\\li300 {\\b Titre}\\par"
                                   "\\pard\\f1\\fs20 H{\\sub 2}O \\cf1 bleu\\'e9\\u8364?\\par}");
    VERIFIE(r.lu);
    COMPARE(r.document.paragraphes.size(), std::size_t(2));
    const ParagrapheRtf& titre = r.document.paragraphes[0];
    VERIFIE(titre.format.alignement == Alignement::centre);
    COMPARE(titre.format.gauche, 300);
    VERIFIE(texte(titre) == u"Titre");
    VERIFIE(titre.morceaux[0].format.gras);
    VERIFIE(titre.morceaux[0].format.police == std::optional<std::u16string>(u"Arial"));
    const ParagrapheRtf& corps = r.document.paragraphes[1];
    VERIFIE(corps.format.alignement == Alignement::gauche);
    VERIFIE(texte(corps) == u"H2O bleu\u00E9\u20AC");
    // A control word ends a run: \u8364 starts its own.
    COMPARE(corps.morceaux.size(), std::size_t(5));
    VERIFIE(corps.morceaux[1].format.position == PositionTexte::indice);
    VERIFIE(corps.morceaux[0].format.police == std::optional<std::u16string>(u"Courier New"));
    COMPARE(*corps.morceaux[0].format.points, 10.0);
    VERIFIE(corps.morceaux[3].format.couleur == std::optional(CouleurRtf{0, 0, 255}));
    VERIFIE(corps.morceaux[4].format == corps.morceaux[3].format);
    VERIFIE(!corps.morceaux[0].format.couleur);
}

ESSAI(writerBytes) {
    struct Ligne {
        const char* nom;
        std::u16string texte;
        FormatCaracteres format;
        std::string attendu; // the run's group
    };
    FormatCaracteres gras;
    gras.gras = true;
    FormatCaracteres exposant;
    exposant.position = PositionTexte::exposant;
    FormatCaracteres rouge;
    rouge.couleur = CouleurRtf{255, 0, 0};
    essai::lignes<Ligne>({{"plain ASCII", u"abc", {}, "{\\f0\\fs24 abc}"},
                          {"bold", u"a", gras, "{\\f0\\fs24\\b a}"},
                          {"superscript", u"2", exposant, "{\\f0\\fs24\\super 2}"},
                          {"first colour of the table", u"r", rouge, "{\\f0\\fs24\\cf1 r}"},
                          {"Windows-1252 as \\'hh", u"\u00E9\u20AC", {}, "{\\f0\\fs24 \\'e9\\'80}"},
                          {"outside the code page as \\uN?", u"\u03B1", {}, "{\\f0\\fs24 \\u945?}"},
                          {"braces and backslash escaped", u"{\\}", {}, "{\\f0\\fs24 \\{\\\\\\}}"}},
                         [](const Ligne& l) {
                             DocumentRtf d;
                             d.policeDefaut = u"Arial";
                             d.paragraphes[0].morceaux.push_back({l.texte, l.format});
                             const std::string rtf = ecrireDocumentRtf(d);
                             VERIFIE(rtf.find(l.attendu) != std::string::npos);
                             VERIFIE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}") != std::string::npos);
                             // What is written reads back as the same text.
                             const auto relu = lireDocumentRtf(rtf);
                             VERIFIE(relu.erreur.empty());
                             VERIFIE(texte(relu.document.paragraphes[0]) == l.texte);
                         });
}
