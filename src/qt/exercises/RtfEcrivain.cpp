#include "exercises/RtfEcrivain.h"

#include "exercises/PageCode1252.h"
#include "exercises/UnitesTexte.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace vedo {

namespace {

int enTwips(qreal pixels) {
    return static_cast<int>(std::lround(pixels * twipsParPixel));
}

class EcrivainRtf {
public:
    explicit EcrivainRtf(const QTextDocument& document) : document_(document) {}

    QByteArray ecrire();

private:
    void recenser();
    void ecrireTables();
    void ecrireParagraphe(const QTextBlock& bloc);
    void ecrireCaracteres(const QTextCharFormat& f);
    void ecrirePolice(const QTextCharFormat& f);
    int demiPoints(const QTextCharFormat& f) const;
    void ecrireTexte(const QString& texte);
    void mot(const char* nom) { sortie_ += '\\' + QByteArray(nom); }
    void mot(const char* nom, int valeur) { sortie_ += '\\' + QByteArray(nom) + QByteArray::number(valeur); }

    QString famille(const QTextCharFormat& f) const;
    double points(const QTextCharFormat& f) const;
    static QColor couleur(const QBrush& pinceau) {
        return pinceau.style() == Qt::NoBrush ? QColor() : pinceau.color();
    }
    int indexCouleur(const QColor& c) const { return c.isValid() ? couleurs_.indexOf(c.rgb()) + 1 : 0; }
    void recenserFormat(const QTextCharFormat& f);

    const QTextDocument& document_;
    QStringList polices_;
    QList<QRgb> couleurs_; // index 0 of the table, the automatic colour, is implied
    QByteArray sortie_;
};

QByteArray EcrivainRtf::ecrire() {
    recenser();
    sortie_ = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    ecrireTables();
    for (QTextBlock b = document_.begin(); b.isValid(); b = b.next())
        ecrireParagraphe(b);
    sortie_ += "}\n";
    return sortie_;
}

QString EcrivainRtf::famille(const QTextCharFormat& f) const {
    const QStringList familles = f.fontFamilies().toStringList();
    return familles.isEmpty() ? document_.defaultFont().family() : familles.first();
}

double EcrivainRtf::points(const QTextCharFormat& f) const {
    if (f.hasProperty(QTextFormat::FontPointSize)) return f.fontPointSize();
    const double defaut = document_.defaultFont().pointSizeF();
    return defaut > 0 ? defaut : 12.0;
}

void EcrivainRtf::recenserFormat(const QTextCharFormat& f) {
    if (const QString nom = famille(f); !polices_.contains(nom)) polices_.append(nom);
    for (const QColor& c : {couleur(f.foreground()), couleur(f.background())})
        if (c.isValid() && !couleurs_.contains(c.rgb())) couleurs_.append(c.rgb());
}

void EcrivainRtf::recenser() {
    polices_.append(document_.defaultFont().family());
    for (QTextBlock b = document_.begin(); b.isValid(); b = b.next()) {
        recenserFormat(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            recenserFormat(it.fragment().charFormat());
    }
}

void EcrivainRtf::ecrireTables() {
    sortie_ += "{\\fonttbl";
    for (int i = 0; i < polices_.size(); ++i) {
        sortie_ += "{";
        mot("f", i);
        sortie_ += "\\fnil\\fcharset0 ";
        ecrireTexte(QString(polices_[i]).remove(u';'));
        sortie_ += ";}";
    }
    sortie_ += "}\n{\\colortbl;";
    for (const QRgb c : couleurs_) {
        mot("red", qRed(c));
        mot("green", qGreen(c));
        mot("blue", qBlue(c));
        sortie_ += ';';
    }
    sortie_ += "}\n";
}

void EcrivainRtf::ecrireParagraphe(const QTextBlock& bloc) {
    const QTextBlockFormat p = bloc.blockFormat();
    mot("pard");
    const Qt::Alignment a = p.alignment();
    if (a & Qt::AlignHCenter)
        mot("qc");
    else if (a & Qt::AlignRight)
        mot("qr");
    else if (a & Qt::AlignJustify)
        mot("qj");
    else
        mot("ql");
    const int gauche = enTwips(p.leftMargin() + p.indent() * document_.indentWidth());
    if (gauche != 0) mot("li", gauche);
    if (const int droite = enTwips(p.rightMargin()); droite != 0) mot("ri", droite);
    if (const int premiere = enTwips(p.textIndent()); premiere != 0) mot("fi", premiere);
    if (const int avant = enTwips(p.topMargin()); avant != 0) mot("sb", avant);
    if (const int apres = enTwips(p.bottomMargin()); apres != 0) mot("sa", apres);
    // The paragraph mark takes the font and size of the last characters, as in
    // word processors, so that it does not change the height of the last line.
    const QTextCharFormat marque =
        bloc.length() <= 1 ? bloc.charFormat() : (--bloc.end()).fragment().charFormat();
    mot("plain");
    ecrirePolice(marque);
    // Each run in its own group: some readers mishandle \super and its kin
    // when they are switched off by \plain instead of by the end of a group.
    for (auto it = bloc.begin(); !it.atEnd(); ++it) {
        sortie_ += '{';
        ecrireCaracteres(it.fragment().charFormat());
        ecrireTexte(it.fragment().text());
        sortie_ += '}';
    }
    sortie_ += "\\par\n";
}

void EcrivainRtf::ecrirePolice(const QTextCharFormat& f) {
    mot("f", static_cast<int>(polices_.indexOf(famille(f))));
    mot("fs", demiPoints(f));
}

int EcrivainRtf::demiPoints(const QTextCharFormat& f) const {
    return std::max(2, static_cast<int>(std::lround(points(f) * 2)));
}

void EcrivainRtf::ecrireCaracteres(const QTextCharFormat& f) {
    ecrirePolice(f);
    if (f.fontWeight() >= QFont::DemiBold) mot("b");
    if (f.fontItalic()) mot("i");
    if (f.fontUnderline()) mot("ul");
    if (f.fontStrikeOut()) mot("strike");
    if (const int c = indexCouleur(couleur(f.foreground())); c > 0) mot("cf", c);
    if (const int c = indexCouleur(couleur(f.background())); c > 0) mot("highlight", c);
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) mot("super");
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) mot("sub");
    if (const int decalage = static_cast<int>(std::lround(f.baselineOffset() * demiPoints(f) / 100.0));
        decalage > 0)
        mot("up", decalage);
    else if (decalage < 0)
        mot("dn", -decalage);
    sortie_ += ' ';
}

void EcrivainRtf::ecrireTexte(const QString& texte) {
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            sortie_ += '\\';
            sortie_ += static_cast<char>(u);
        } else if (u == u'\t') {
            sortie_ += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            sortie_ += "\\line ";
        } else if (u == 0x00A0) {
            sortie_ += "\\~";
        } else if (u == 0x00AD) {
            sortie_ += "\\-";
        } else if (u == 0x2011) {
            sortie_ += "\\_";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            // control characters and embedded objects have no text to give
        } else if (u < 0x80) {
            sortie_ += static_cast<char>(u);
        } else if (const int octet = octet1252DeCaractere(c); octet >= 0) {
            sortie_ += "\\'" + QByteArray::number(octet, 16).rightJustified(2, '0');
        } else {
            mot("u", static_cast<int16_t>(u));
            sortie_ += '?';
        }
    }
}

} // namespace

QByteArray ecrireRtf(const QTextDocument& document) {
    return EcrivainRtf(document).ecrire();
}

} // namespace vedo
