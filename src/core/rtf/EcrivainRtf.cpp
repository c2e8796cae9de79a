#include "rtf/EcrivainRtf.h"

#include "rtf/PageCode1252.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vedo {

namespace {

constexpr char16_t separateurLignes = u'\u2028';
constexpr char16_t objetIncorpore = u'\uFFFC';

class EcrivainRtf {
public:
    explicit EcrivainRtf(const DocumentRtf& document) : document_(document) {}

    std::string ecrire();

private:
    void recenser();
    void ecrireTables();
    void ecrireParagraphe(const ParagrapheRtf& paragraphe);
    void ecrireCaracteres(const FormatCaracteres& f);
    void ecrirePolice(const FormatCaracteres& f);
    int demiPoints(const FormatCaracteres& f) const;
    void ecrireTexte(const std::u16string& texte);
    void mot(const char* nom) { (sortie_ += '\\') += nom; }
    void mot(const char* nom, int valeur) { mot(nom), sortie_ += std::to_string(valeur); }

    const std::u16string& famille(const FormatCaracteres& f) const {
        return f.police ? *f.police : document_.policeDefaut;
    }
    double points(const FormatCaracteres& f) const { return f.points ? *f.points : document_.pointsDefaut; }
    int indexPolice(const std::u16string& nom) const {
        return static_cast<int>(std::find(polices_.begin(), polices_.end(), nom) - polices_.begin());
    }
    // Index 0 of the table, the automatic colour, is implied.
    int indexCouleur(const std::optional<CouleurRtf>& c) const {
        if (!c) return 0;
        const auto i = std::find(couleurs_.begin(), couleurs_.end(), *c);
        return i == couleurs_.end() ? 0 : static_cast<int>(i - couleurs_.begin()) + 1;
    }
    void recenserFormat(const FormatCaracteres& f);

    const DocumentRtf& document_;
    std::vector<std::u16string> polices_;
    std::vector<CouleurRtf> couleurs_;
    std::string sortie_;
};

std::string EcrivainRtf::ecrire() {
    recenser();
    sortie_ = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    ecrireTables();
    for (const ParagrapheRtf& p : document_.paragraphes)
        ecrireParagraphe(p);
    sortie_ += "}\n";
    return sortie_;
}

void EcrivainRtf::recenserFormat(const FormatCaracteres& f) {
    if (const auto& nom = famille(f); indexPolice(nom) == static_cast<int>(polices_.size())) polices_.push_back(nom);
    for (const auto& c : {f.couleur, f.fond})
        if (c && indexCouleur(c) == 0) couleurs_.push_back(*c);
}

void EcrivainRtf::recenser() {
    polices_.push_back(document_.policeDefaut);
    for (const ParagrapheRtf& p : document_.paragraphes) {
        recenserFormat(p.caracteres);
        for (const MorceauTexte& m : p.morceaux)
            recenserFormat(m.format);
    }
}

void EcrivainRtf::ecrireTables() {
    sortie_ += "{\\fonttbl";
    for (std::size_t i = 0; i < polices_.size(); ++i) {
        sortie_ += "{";
        mot("f", static_cast<int>(i));
        sortie_ += "\\fnil\\fcharset0 ";
        std::u16string nom = polices_[i];
        nom.erase(std::remove(nom.begin(), nom.end(), u';'), nom.end());
        ecrireTexte(nom);
        sortie_ += ";}";
    }
    sortie_ += "}\n{\\colortbl;";
    for (const CouleurRtf& c : couleurs_) {
        mot("red", c.rouge);
        mot("green", c.vert);
        mot("blue", c.bleu);
        sortie_ += ';';
    }
    sortie_ += "}\n";
}

void EcrivainRtf::ecrireParagraphe(const ParagrapheRtf& paragraphe) {
    const FormatParagraphe& p = paragraphe.format;
    mot("pard");
    switch (p.alignement) {
    case Alignement::centre:
        mot("qc");
        break;
    case Alignement::droite:
        mot("qr");
        break;
    case Alignement::justifie:
        mot("qj");
        break;
    case Alignement::gauche:
        mot("ql");
        break;
    }
    if (p.gauche != 0) mot("li", p.gauche);
    if (p.droite != 0) mot("ri", p.droite);
    if (p.premiereLigne != 0) mot("fi", p.premiereLigne);
    if (p.avant != 0) mot("sb", p.avant);
    if (p.apres != 0) mot("sa", p.apres);
    // The paragraph mark takes the font and size of the last characters, as in
    // word processors, so that it does not change the height of the last line.
    const FormatCaracteres& marque =
        paragraphe.morceaux.empty() ? paragraphe.caracteres : paragraphe.morceaux.back().format;
    mot("plain");
    ecrirePolice(marque);
    // Each run in its own group: some readers mishandle \super and its kin
    // when they are switched off by \plain instead of by the end of a group.
    for (const MorceauTexte& m : paragraphe.morceaux) {
        sortie_ += '{';
        ecrireCaracteres(m.format);
        ecrireTexte(m.texte);
        sortie_ += '}';
    }
    sortie_ += "\\par\n";
}

void EcrivainRtf::ecrirePolice(const FormatCaracteres& f) {
    mot("f", indexPolice(famille(f)));
    mot("fs", demiPoints(f));
}

int EcrivainRtf::demiPoints(const FormatCaracteres& f) const {
    return std::max(2, static_cast<int>(std::lround(points(f) * 2)));
}

void EcrivainRtf::ecrireCaracteres(const FormatCaracteres& f) {
    ecrirePolice(f);
    if (f.gras) mot("b");
    if (f.italique) mot("i");
    if (f.souligne) mot("ul");
    if (f.barre) mot("strike");
    if (const int c = indexCouleur(f.couleur); c > 0) mot("cf", c);
    if (const int c = indexCouleur(f.fond); c > 0) mot("highlight", c);
    if (f.position == PositionTexte::exposant) mot("super");
    if (f.position == PositionTexte::indice) mot("sub");
    if (const int decalage = static_cast<int>(std::lround(f.decalage * demiPoints(f) / 100.0)); decalage > 0)
        mot("up", decalage);
    else if (decalage < 0)
        mot("dn", -decalage);
    sortie_ += ' ';
}

void EcrivainRtf::ecrireTexte(const std::u16string& texte) {
    static constexpr char hexa[] = "0123456789abcdef";
    for (const char16_t u : texte) {
        if (u == u'\\' || u == u'{' || u == u'}') {
            sortie_ += '\\';
            sortie_ += static_cast<char>(u);
        } else if (u == u'\t') {
            sortie_ += "\\tab ";
        } else if (u == separateurLignes) {
            sortie_ += "\\line ";
        } else if (u == 0x00A0) {
            sortie_ += "\\~";
        } else if (u == 0x00AD) {
            sortie_ += "\\-";
        } else if (u == 0x2011) {
            sortie_ += "\\_";
        } else if (u < 0x20 || u == objetIncorpore) {
            // control characters and embedded objects have no text to give
        } else if (u < 0x80) {
            sortie_ += static_cast<char>(u);
        } else if (const int octet = octet1252DeCaractere(u); octet >= 0) {
            sortie_ += "\\'";
            sortie_ += hexa[octet >> 4];
            sortie_ += hexa[octet & 0xF];
        } else {
            mot("u", static_cast<std::int16_t>(u));
            sortie_ += '?';
        }
    }
}

} // namespace

std::string ecrireDocumentRtf(const DocumentRtf& document) {
    return EcrivainRtf(document).ecrire();
}

} // namespace vedo
