#include "exercises/RtfLecteur.h"

#include "exercises/PageCode1252.h"
#include "exercises/RtfJetons.h"
#include "exercises/UnitesTexte.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>

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
    QTextCharFormat::VerticalAlignment position = QTextCharFormat::AlignNormal;
    int decalage = 0; // \up (positive) or \dn (negative), in half-points
};

struct Paragraphe {
    Qt::Alignment alignement = Qt::AlignLeft;
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

class LecteurRtf;
using Gestion = void (*)(LecteurRtf&, const JetonRtf&);

class LecteurRtf {
public:
    LecteurRtf(const QByteArray& rtf, QTextDocument& document) : jetons_(rtf), curseur_(&document) {}

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
    QTextCharFormat formatCaracteres() const;
    QTextBlockFormat formatParagraphe() const;
    QColor couleurTable(int index) const {
        return index >= 0 && index < couleurs_.size() ? couleurs_[index] : QColor();
    }

    JetonsRtf jetons_;
    QTextCursor curseur_;
    QList<EtatGroupe> pile_{EtatGroupe{}};
    int groupesTropProfonds_ = 0;
    bool groupeJusteOuvert_ = false;
    int aSauter_ = 0;
    char16_t surrogatHaut_ = 0;
    QString tampon_;
    bool sautEnAttente_ = false;

    QHash<int, QString> polices_;
    int policeDefaut_ = 0;
    int policeEnCours_ = 0;
    QString nomEnCours_;
    QList<QColor> couleurs_;
    std::array<int, 3> composantes_{};
    bool couleurDefinie_ = false;
};

void basculer(bool& drapeau, const JetonRtf& j) {
    drapeau = !j.aParametre || j.parametre != 0;
}

const QHash<QByteArray, Gestion>& gestionnaires() {
    using L = LecteurRtf;
    using J = JetonRtf;
    static const QHash<QByteArray, Gestion> table = [] {
        QHash<QByteArray, Gestion> t = {
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
                 l.car().position = QTextCharFormat::AlignSuperScript;
                 l.car().decalage = 0;
             }},
            {"sub",
             [](L& l, const J&) {
                 l.car().position = QTextCharFormat::AlignSubScript;
                 l.car().decalage = 0;
             }},
            {"nosupersub", [](L& l, const J&) { l.car().position = QTextCharFormat::AlignNormal; }},
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
            {"ql", [](L& l, const J&) { l.para().alignement = Qt::AlignLeft; }},
            {"qc", [](L& l, const J&) { l.para().alignement = Qt::AlignHCenter; }},
            {"qr", [](L& l, const J&) { l.para().alignement = Qt::AlignRight; }},
            {"qj", [](L& l, const J&) { l.para().alignement = Qt::AlignJustify; }},
            {"li", [](L& l, const J& j) { l.para().gauche = borne(j.parametre, 0, twipsMax); }},
            {"ri", [](L& l, const J& j) { l.para().droite = borne(j.parametre, 0, twipsMax); }},
            {"fi",
             [](L& l, const J& j) { l.para().premiereLigne = borne(j.parametre, -twipsMax, twipsMax); }},
            {"sb", [](L& l, const J& j) { l.para().avant = borne(j.parametre, 0, twipsMax); }},
            {"sa", [](L& l, const J& j) { l.para().apres = borne(j.parametre, 0, twipsMax); }},
            // Special characters
            {"line", [](L& l, const J&) { l.ecrireCaractere(QChar::LineSeparator); }},
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
            t.insert(nom, [](L& l, const J&) { l.changerDestination(Destination::Ignoree); });
        // In a text without pages, tables or underline styles, these words mean what another word means.
        const std::pair<const char*, const char*> synonymes[] = {
            {"uld", "ul"},   {"uldb", "ul"},      {"ulw", "ul"},           {"lin", "li"},
            {"rin", "ri"},   {"sect", "par"},     {"page", "par"},         {"row", "par"},
            {"cell", "tab"}, {"cb", "highlight"}, {"chcbpat", "highlight"}};
        for (const auto& [mot, sens] : synonymes)
            t.insert(mot, t.value(sens));
        return t;
    }();
    return table;
}

bool LecteurRtf::lire() {
    curseur_.beginEditBlock();
    curseur_.select(QTextCursor::Document);
    curseur_.removeSelectedText();
    curseur_.setBlockFormat(formatParagraphe());
    curseur_.setBlockCharFormat(formatCaracteres());
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
    curseur_.endEditBlock();
    return ferme && !jetons_.tronque();
}

void LecteurRtf::ouvrirGroupe() {
    vider();
    aSauter_ = 0;
    if (pile_.size() > profondeurMax) {
        ++groupesTropProfonds_;
        return;
    }
    pile_.append(pile_.back());
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
    pile_.removeLast();
    return pile_.size() > 1;
}

void LecteurRtf::traiterMot(const JetonRtf& j) {
    vider();
    if (aSauter_ > 0) {
        // A control word stands for one character of the fallback of \u.
        --aSauter_;
        return;
    }
    if (const auto g = gestionnaires().find(j.mot); g != gestionnaires().end()) (*g)(*this, j);
}

void LecteurRtf::ecrireOctet(unsigned char octet) {
    if (aSauter_ > 0) {
        --aSauter_;
        return;
    }
    if (octet < 0x20) return; // line ends and control bytes carry nothing in RTF
    ecrireCaractere(caractereDeOctet1252(octet).unicode());
}

void LecteurRtf::ecrireCaractere(char32_t c) {
    switch (etat().destination) {
    case Destination::Ignoree:
        return;
    case Destination::TablePolices:
        if (c == u';')
            finEntreeTable();
        else
            nomEnCours_ += QChar(static_cast<char16_t>(c));
        return;
    case Destination::TableCouleurs:
        if (c == u';' && couleurs_.size() < entreesTableMax) {
            couleurs_.append(couleurDefinie_ ? QColor(composantes_[0], composantes_[1], composantes_[2])
                                             : QColor());
            composantes_ = {};
            couleurDefinie_ = false;
        }
        return;
    case Destination::Texte:
        tampon_ += QChar(static_cast<char16_t>(c));
        return;
    }
}

void LecteurRtf::unicode(int valeur) {
    aSauter_ = etat().sautUnicode;
    // Values above 32767 are written negative, as signed 16-bit numbers.
    if (valeur < 0) valeur += 65536;
    if (valeur < 0 || valeur > 0xFFFF) valeur = QChar::ReplacementCharacter;
    const auto c = static_cast<char16_t>(valeur);
    if (QChar::isHighSurrogate(c)) {
        surrogatHaut_ = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (surrogatHaut_ != 0 && etat().destination == Destination::Texte) {
            tampon_ += QChar(surrogatHaut_);
            tampon_ += QChar(c);
        } else {
            ecrireCaractere(QChar::ReplacementCharacter);
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
    const QString nom = nomEnCours_.trimmed();
    if (!nom.isEmpty() && (polices_.contains(policeEnCours_) || polices_.size() < entreesTableMax))
        polices_.insert(policeEnCours_, nom);
    nomEnCours_.clear();
}

void LecteurRtf::finParagraphe() {
    if (etat().destination != Destination::Texte) return;
    vider();
    materialiserSaut();
    curseur_.setBlockFormat(formatParagraphe());
    // The break is made only when something follows, so that the mark that
    // ends the last paragraph does not add an empty one.
    sautEnAttente_ = true;
}

// A last paragraph without its mark takes the format in force at the end.
void LecteurRtf::terminerDernierParagraphe() {
    vider();
    if (!sautEnAttente_) curseur_.setBlockFormat(formatParagraphe());
}

void LecteurRtf::materialiserSaut() {
    if (!sautEnAttente_) return;
    curseur_.insertBlock(formatParagraphe(), formatCaracteres());
    sautEnAttente_ = false;
}

void LecteurRtf::vider() {
    if (tampon_.isEmpty()) return;
    materialiserSaut();
    curseur_.insertText(tampon_, formatCaracteres());
    tampon_.clear();
}

QTextCharFormat LecteurRtf::formatCaracteres() const {
    const Caracteres& c = pile_.back().caracteres;
    QTextCharFormat f;
    const QString famille = polices_.value(c.police >= 0 ? c.police : policeDefaut_);
    if (!famille.isEmpty()) f.setFontFamilies({famille});
    f.setFontPointSize(c.demiPoints / 2.0);
    f.setFontWeight(c.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italique);
    f.setFontUnderline(c.souligne);
    f.setFontStrikeOut(c.barre);
    if (const QColor couleur = couleurTable(c.couleur); couleur.isValid()) f.setForeground(couleur);
    if (const QColor fond = couleurTable(c.surlignage); fond.isValid()) f.setBackground(fond);
    if (c.position != QTextCharFormat::AlignNormal) f.setVerticalAlignment(c.position);
    if (c.decalage != 0) f.setBaselineOffset(100.0 * c.decalage / c.demiPoints);
    return f;
}

QTextBlockFormat LecteurRtf::formatParagraphe() const {
    const Paragraphe& p = pile_.back().paragraphe;
    QTextBlockFormat f;
    f.setAlignment(p.alignement);
    f.setLeftMargin(twipsVersPixels(p.gauche));
    f.setRightMargin(twipsVersPixels(p.droite));
    f.setTextIndent(twipsVersPixels(p.premiereLigne));
    f.setTopMargin(twipsVersPixels(p.avant));
    f.setBottomMargin(twipsVersPixels(p.apres));
    return f;
}

QByteArray sansBlancsInitiaux(const QByteArray& rtf) {
    QByteArray debut = rtf.left(64);
    if (debut.startsWith("\xEF\xBB\xBF")) debut.remove(0, 3);
    return debut.trimmed();
}

} // namespace

bool lireRtf(const QByteArray& rtf, QTextDocument& document, QString* erreur) {
    const QByteArray debut = sansBlancsInitiaux(rtf);
    QString message;
    bool lu = true;
    if (debut.isEmpty()) {
        lu = false;
        message = QStringLiteral("Le fichier est vide.");
    } else if (!debut.startsWith("{\\rtf")) {
        lu = false;
        message = QStringLiteral("Ce fichier n'est pas un texte au format RTF.");
    } else if (!LecteurRtf(rtf.mid(rtf.indexOf('{')), document).lire()) {
        message = QStringLiteral("Le texte RTF est endommagé : seule sa partie lisible est affichée.");
    }
    if (erreur) *erreur = message;
    return lu;
}

} // namespace vedo
