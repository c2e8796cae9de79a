#include "rtf/LecteurRtf.h"

#include "rtf/JetonsRtf.h"
#include "rtf/PageCode1252.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>

namespace vedo {

namespace {

// Limits that no real text reaches; beyond them the file is damaged or hostile.
constexpr int profondeurMax = 200;
constexpr int entreesTableMax = 4096;
constexpr int demiPointsMax = 3276;
constexpr int twipsMax = 31680; // 22 inches, the largest page
constexpr int sautUnicodeMax = 16;

enum class Destination { Texte, TablePolices, TableCouleurs, Ignoree };

struct Caracteres {
    int police = -1; // -1: the default font of \deff
    int demiPoints = 24;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int couleur = -1; // index in the colour table, -1: automatic
    int surlignage = -1;
    PositionTexte position = PositionTexte::normale;
    int decalage = 0; // \up (positive) or \dn (negative), in half-points
};

struct Paragraphe {
    Alignement alignement = Alignement::gauche;
    int gauche = 0;
    int droite = 0;
    int premiereLigne = 0;
    int avant = 0;
    int apres = 0;
};

struct EtatGroupe {
    Destination destination = Destination::Texte;
    Caracteres caracteres;
    Paragraphe paragraphe;
    int sautUnicode = 1;
};

int borne(int valeur, int min, int max) {
    return std::clamp(valeur, min, max);
}

constexpr char16_t separateurLignes = u'\u2028';
constexpr char16_t remplacement = u'\uFFFD';

bool surrogatHaut(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool surrogatBas(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The blanks of Unicode: controls 9 to 13, U+0085 and the separators.
bool blanc(char16_t c) {
    return c == u' ' || (c >= 9 && c <= 13) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::u16string sansBlancs(const std::u16string& t) {
    std::size_t debut = 0, fin = t.size();
    while (debut < fin && blanc(t[debut]))
        ++debut;
    while (fin > debut && blanc(t[fin - 1]))
        --fin;
    return t.substr(debut, fin - debut);
}

class LecteurRtf;
using Gestion = void (*)(LecteurRtf&, const JetonRtf&);

class LecteurRtf {
public:
    LecteurRtf(std::string_view rtf, DocumentRtf& document) : jetons_(rtf), document_(document) {}

    // Returns true when the text ended cleanly.
    bool lire();

    EtatGroupe& etat() { return pile_.back(); }
    Caracteres& car() { return etat().caracteres; }
    Paragraphe& para() { return etat().paragraphe; }

    void ecrireCaractere(char32_t c);
    void ecrireOctet(unsigned char octet);
    void finParagraphe();
    void changerDestination(Destination d) { etat().destination = d; }
    void marqueIgnorable() {
        if (groupeJusteOuvert_) changerDestination(Destination::Ignoree);
    }
    void unicode(int valeur);
    void choisirPolice(int numero);
    void policeParDefaut(int numero) { policeDefaut_ = numero; }
    void composanteCouleur(int decalage, int valeur) {
        composantes_[decalage] = borne(valeur, 0, 255);
        couleurDefinie_ = true;
    }

private:
    void ouvrirGroupe();
    bool fermerGroupe(); // false when the outermost group closed
    void traiterMot(const JetonRtf& j);
    void finEntreeTable();
    void vider();
    void materialiserSaut();
    void terminerDernierParagraphe();
    FormatCaracteres formatCaracteres() const;
    FormatParagraphe formatParagraphe() const;
    std::optional<CouleurRtf> couleurTable(int index) const {
        return index >= 0 && index < static_cast<int>(couleurs_.size()) ? couleurs_[index] : std::nullopt;
    }

    JetonsRtf jetons_;
    DocumentRtf& document_;
    std::vector<EtatGroupe> pile_{EtatGroupe{}};
    int groupesTropProfonds_ = 0;
    bool groupeJusteOuvert_ = false;
    int aSauter_ = 0;
    char16_t surrogatHaut_ = 0;
    std::u16string tampon_;
    bool sautEnAttente_ = false;

    std::map<int, std::u16string> polices_;
    int policeDefaut_ = 0;
    int policeEnCours_ = 0;
    std::u16string nomEnCours_;
    std::vector<std::optional<CouleurRtf>> couleurs_;
    std::array<int, 3> composantes_{};
    bool couleurDefinie_ = false;
};

void basculer(bool& drapeau, const JetonRtf& j) {
    drapeau = !j.aParametre || j.parametre != 0;
}

const std::unordered_map<std::string, Gestion>& gestionnaires() {
    using L = LecteurRtf;
    using J = JetonRtf;
    static const std::unordered_map<std::string, Gestion> table = [] {
        std::unordered_map<std::string, Gestion> t = {
            // Destinations
            {"fonttbl", [](L& l, const J&) { l.changerDestination(Destination::TablePolices); }},
            {"colortbl", [](L& l, const J&) { l.changerDestination(Destination::TableCouleurs); }},
            {"*", [](L& l, const J&) { l.marqueIgnorable(); }},
            // Document
            {"deff", [](L& l, const J& j) { l.policeParDefaut(j.parametre); }},
            {"uc", [](L& l, const J& j) { l.etat().sautUnicode = borne(j.parametre, 0, sautUnicodeMax); }},
            {"u", [](L& l, const J& j) { l.unicode(j.parametre); }},
            // Font and colour tables
            {"f", [](L& l, const J& j) { l.choisirPolice(j.parametre); }},
            {"red", [](L& l, const J& j) { l.composanteCouleur(0, j.parametre); }},
            {"green", [](L& l, const J& j) { l.composanteCouleur(1, j.parametre); }},
            {"blue", [](L& l, const J& j) { l.composanteCouleur(2, j.parametre); }},
            // Characters
            {"plain", [](L& l, const J&) { l.car() = Caracteres{}; }},
            {"fs",
             [](L& l, const J& j) {
                 l.car().demiPoints = j.aParametre ? borne(j.parametre, 2, demiPointsMax) : 24;
             }},
            {"b", [](L& l, const J& j) { basculer(l.car().gras, j); }},
            {"i", [](L& l, const J& j) { basculer(l.car().italique, j); }},
            {"ul", [](L& l, const J& j) { basculer(l.car().souligne, j); }},
            {"ulnone", [](L& l, const J&) { l.car().souligne = false; }},
            {"strike", [](L& l, const J& j) { basculer(l.car().barre, j); }},
            {"cf", [](L& l, const J& j) { l.car().couleur = j.parametre; }},
            {"highlight", [](L& l, const J& j) { l.car().surlignage = j.parametre; }},
            {"super",
             [](L& l, const J&) {
                 l.car().position = PositionTexte::exposant;
                 l.car().decalage = 0;
             }},
            {"sub",
             [](L& l, const J&) {
                 l.car().position = PositionTexte::indice;
                 l.car().decalage = 0;
             }},
            {"nosupersub", [](L& l, const J&) { l.car().position = PositionTexte::normale; }},
            {"up",
             [](L& l, const J& j) {
                 l.car().decalage = j.aParametre ? borne(j.parametre, 0, demiPointsMax) : 6;
             }},
            {"dn",
             [](L& l, const J& j) {
                 l.car().decalage = -(j.aParametre ? borne(j.parametre, 0, demiPointsMax) : 6);
             }},
            // Paragraphs
            {"par", [](L& l, const J&) { l.finParagraphe(); }},
            {"pard", [](L& l, const J&) { l.para() = Paragraphe{}; }},
            {"ql", [](L& l, const J&) { l.para().alignement = Alignement::gauche; }},
            {"qc", [](L& l, const J&) { l.para().alignement = Alignement::centre; }},
            {"qr", [](L& l, const J&) { l.para().alignement = Alignement::droite; }},
            {"qj", [](L& l, const J&) { l.para().alignement = Alignement::justifie; }},
            {"li", [](L& l, const J& j) { l.para().gauche = borne(j.parametre, 0, twipsMax); }},
            {"ri", [](L& l, const J& j) { l.para().droite = borne(j.parametre, 0, twipsMax); }},
            {"fi",
             [](L& l, const J& j) { l.para().premiereLigne = borne(j.parametre, -twipsMax, twipsMax); }},
            {"sb", [](L& l, const J& j) { l.para().avant = borne(j.parametre, 0, twipsMax); }},
            {"sa", [](L& l, const J& j) { l.para().apres = borne(j.parametre, 0, twipsMax); }},
            // Special characters
            {"line", [](L& l, const J&) { l.ecrireCaractere(separateurLignes); }},
            {"tab", [](L& l, const J&) { l.ecrireCaractere(u'\t'); }},
            {"emdash", [](L& l, const J&) { l.ecrireCaractere(u'\u2014'); }},
            {"endash", [](L& l, const J&) { l.ecrireCaractere(u'\u2013'); }},
            {"bullet", [](L& l, const J&) { l.ecrireCaractere(u'\u2022'); }},
            {"lquote", [](L& l, const J&) { l.ecrireCaractere(u'\u2018'); }},
            {"rquote", [](L& l, const J&) { l.ecrireCaractere(u'\u2019'); }},
            {"ldblquote", [](L& l, const J&) { l.ecrireCaractere(u'\u201C'); }},
            {"rdblquote", [](L& l, const J&) { l.ecrireCaractere(u'\u201D'); }},
            {"~", [](L& l, const J&) { l.ecrireCaractere(u'\u00A0'); }},
            {"-", [](L& l, const J&) { l.ecrireCaractere(u'\u00AD'); }},
            {"_", [](L& l, const J&) { l.ecrireCaractere(u'\u2011'); }},
            {"\\", [](L& l, const J&) { l.ecrireCaractere(u'\\'); }},
            {"{", [](L& l, const J&) { l.ecrireCaractere(u'{'); }},
            {"}", [](L& l, const J&) { l.ecrireCaractere(u'}'); }},
        };
        // Destinations that hold no text of the document.
        for (const char* nom : {"info", "stylesheet", "pict", "object", "header", "headerl", "headerr",
                                "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "fldinst"})
            t.emplace(nom, [](L& l, const J&) { l.changerDestination(Destination::Ignoree); });
        // In a text without pages, tables or underline styles, these words mean what another word means.
        const std::pair<const char*, const char*> synonymes[] = {
            {"uld", "ul"},   {"uldb", "ul"},      {"ulw", "ul"},           {"lin", "li"},
            {"rin", "ri"},   {"sect", "par"},     {"page", "par"},         {"row", "par"},
            {"cell", "tab"}, {"cb", "highlight"}, {"chcbpat", "highlight"}};
        for (const auto& [mot, sens] : synonymes)
            t.emplace(mot, t.at(sens));
        return t;
    }();
    return table;
}

bool LecteurRtf::lire() {
    document_.paragraphes = {ParagrapheRtf{formatParagraphe(), formatCaracteres(), {}}};
    bool ferme = false;
    for (JetonRtf j = jetons_.suivant(); j.sorte != JetonRtf::Sorte::Fin && !ferme; j = jetons_.suivant()) {
        const bool justeOuvert = j.sorte == JetonRtf::Sorte::OuvreGroupe;
        switch (j.sorte) {
        case JetonRtf::Sorte::OuvreGroupe:
            ouvrirGroupe();
            break;
        case JetonRtf::Sorte::FermeGroupe:
            ferme = !fermerGroupe();
            break;
        case JetonRtf::Sorte::MotControle:
            traiterMot(j);
            break;
        case JetonRtf::Sorte::OctetHexa:
            ecrireOctet(static_cast<unsigned char>(j.parametre));
            break;
        case JetonRtf::Sorte::Texte:
            for (const char o : j.texte)
                ecrireOctet(static_cast<unsigned char>(o));
            break;
        case JetonRtf::Sorte::Binaire:
        case JetonRtf::Sorte::Fin:
            break;
        }
        groupeJusteOuvert_ = justeOuvert;
    }
    if (!ferme) terminerDernierParagraphe();
    return ferme && !jetons_.tronque();
}

void LecteurRtf::ouvrirGroupe() {
    vider();
    aSauter_ = 0;
    if (pile_.size() > profondeurMax) {
        ++groupesTropProfonds_;
        return;
    }
    pile_.push_back(pile_.back());
}

bool LecteurRtf::fermerGroupe() {
    vider();
    aSauter_ = 0;
    if (groupesTropProfonds_ > 0) {
        --groupesTropProfonds_;
        return true;
    }
    if (etat().destination == Destination::TablePolices) finEntreeTable();
    if (pile_.size() == 2) terminerDernierParagraphe();
    pile_.pop_back();
    return pile_.size() > 1;
}

void LecteurRtf::traiterMot(const JetonRtf& j) {
    vider();
    if (aSauter_ > 0) {
        // A control word stands for one character of the fallback of \u.
        --aSauter_;
        return;
    }
    if (const auto g = gestionnaires().find(j.mot); g != gestionnaires().end()) g->second(*this, j);
}

void LecteurRtf::ecrireOctet(unsigned char octet) {
    if (aSauter_ > 0) {
        --aSauter_;
        return;
    }
    if (octet < 0x20) return; // line ends and control bytes carry nothing in RTF
    ecrireCaractere(caractereDeOctet1252(octet));
}

void LecteurRtf::ecrireCaractere(char32_t c) {
    switch (etat().destination) {
    case Destination::Ignoree:
        return;
    case Destination::TablePolices:
        if (c == u';')
            finEntreeTable();
        else
            nomEnCours_ += static_cast<char16_t>(c);
        return;
    case Destination::TableCouleurs:
        if (c == u';' && couleurs_.size() < static_cast<std::size_t>(entreesTableMax)) {
            couleurs_.push_back(couleurDefinie_
                                    ? std::optional(CouleurRtf{composantes_[0], composantes_[1], composantes_[2]})
                                    : std::nullopt);
            composantes_ = {};
            couleurDefinie_ = false;
        }
        return;
    case Destination::Texte:
        tampon_ += static_cast<char16_t>(c);
        return;
    }
}

void LecteurRtf::unicode(int valeur) {
    aSauter_ = etat().sautUnicode;
    // Values above 32767 are written negative, as signed 16-bit numbers.
    if (valeur < 0) valeur += 65536;
    if (valeur < 0 || valeur > 0xFFFF) valeur = remplacement;
    const auto c = static_cast<char16_t>(valeur);
    if (surrogatHaut(c)) {
        surrogatHaut_ = c;
        return;
    }
    if (surrogatBas(c)) {
        if (surrogatHaut_ != 0 && etat().destination == Destination::Texte) {
            tampon_ += surrogatHaut_;
            tampon_ += c;
        } else {
            ecrireCaractere(remplacement);
        }
        surrogatHaut_ = 0;
        return;
    }
    surrogatHaut_ = 0;
    if (c >= 0x20 || c == u'\t')
        ecrireCaractere(c); // like raw control bytes, control characters carry nothing
}

void LecteurRtf::choisirPolice(int numero) {
    if (etat().destination == Destination::TablePolices) {
        policeEnCours_ = numero;
        nomEnCours_.clear();
    } else {
        car().police = numero;
    }
}

void LecteurRtf::finEntreeTable() {
    const std::u16string nom = sansBlancs(nomEnCours_);
    if (!nom.empty() &&
        (polices_.count(policeEnCours_) || polices_.size() < static_cast<std::size_t>(entreesTableMax)))
        polices_[policeEnCours_] = nom;
    nomEnCours_.clear();
}

void LecteurRtf::finParagraphe() {
    if (etat().destination != Destination::Texte) return;
    vider();
    materialiserSaut();
    document_.paragraphes.back().format = formatParagraphe();
    // The break is made only when something follows, so that the mark that
    // ends the last paragraph does not add an empty one.
    sautEnAttente_ = true;
}

// A last paragraph without its mark takes the format in force at the end.
void LecteurRtf::terminerDernierParagraphe() {
    vider();
    if (!sautEnAttente_) document_.paragraphes.back().format = formatParagraphe();
}

void LecteurRtf::materialiserSaut() {
    if (!sautEnAttente_) return;
    document_.paragraphes.push_back({formatParagraphe(), formatCaracteres(), {}});
    sautEnAttente_ = false;
}

void LecteurRtf::vider() {
    if (tampon_.empty()) return;
    materialiserSaut();
    document_.paragraphes.back().morceaux.push_back({tampon_, formatCaracteres()});
    tampon_.clear();
}

FormatCaracteres LecteurRtf::formatCaracteres() const {
    const Caracteres& c = pile_.back().caracteres;
    FormatCaracteres f;
    if (const auto p = polices_.find(c.police >= 0 ? c.police : policeDefaut_); p != polices_.end())
        f.police = p->second;
    f.points = c.demiPoints / 2.0;
    f.gras = c.gras;
    f.italique = c.italique;
    f.souligne = c.souligne;
    f.barre = c.barre;
    f.couleur = couleurTable(c.couleur);
    f.fond = couleurTable(c.surlignage);
    f.position = c.position;
    if (c.decalage != 0) f.decalage = 100.0 * c.decalage / c.demiPoints;
    return f;
}

FormatParagraphe LecteurRtf::formatParagraphe() const {
    const Paragraphe& p = pile_.back().paragraphe;
    return {p.alignement, p.gauche, p.droite, p.premiereLigne, p.avant, p.apres};
}

// The first bytes without a byte-order mark and blanks.
std::string_view debutSansBlancs(std::string_view rtf) {
    std::string_view debut = rtf.substr(0, 64);
    if (debut.substr(0, 3) == "\xEF\xBB\xBF") debut.remove_prefix(3);
    const auto blanc = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!debut.empty() && blanc(debut.front()))
        debut.remove_prefix(1);
    while (!debut.empty() && blanc(debut.back()))
        debut.remove_suffix(1);
    return debut;
}

} // namespace

LectureRtf lireDocumentRtf(std::string_view rtf) {
    const std::string_view debut = debutSansBlancs(rtf);
    LectureRtf r;
    r.lu = true;
    if (debut.empty()) {
        r.lu = false;
        r.erreur = "Le fichier est vide.";
    } else if (debut.substr(0, 5) != "{\\rtf") {
        r.lu = false;
        r.erreur = "Ce fichier n'est pas un texte au format RTF.";
    } else if (!LecteurRtf(rtf.substr(rtf.find('{')), r.document).lire()) {
        r.erreur = "Le texte RTF est endommagé : seule sa partie lisible est affichée.";
    }
    return r;
}

} // namespace vedo
