#include "exercises/RtfEcrivain.h"

#include "exercises/UnitesTexte.h"
#include "rtf/EcrivainRtf.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace vedo {

namespace {

int enTwips(qreal pixels) {
    return static_cast<int>(std::lround(pixels * twipsParPixel));
}

std::optional<CouleurRtf> couleurModele(const QBrush& pinceau) {
    if (pinceau.style() == Qt::NoBrush || !pinceau.color().isValid()) return std::nullopt;
    const QRgb c = pinceau.color().rgb();
    return CouleurRtf{qRed(c), qGreen(c), qBlue(c)};
}

FormatCaracteres formatModele(const QTextCharFormat& f) {
    FormatCaracteres c;
    if (const QStringList familles = f.fontFamilies().toStringList(); !familles.isEmpty())
        c.police = familles.first().toStdU16String();
    if (f.hasProperty(QTextFormat::FontPointSize)) c.points = f.fontPointSize();
    c.gras = f.fontWeight() >= QFont::DemiBold;
    c.italique = f.fontItalic();
    c.souligne = f.fontUnderline();
    c.barre = f.fontStrikeOut();
    c.couleur = couleurModele(f.foreground());
    c.fond = couleurModele(f.background());
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) c.position = PositionTexte::exposant;
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) c.position = PositionTexte::indice;
    c.decalage = f.baselineOffset();
    return c;
}

Alignement alignementModele(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return Alignement::centre;
    if (a & Qt::AlignRight) return Alignement::droite;
    if (a & Qt::AlignJustify) return Alignement::justifie;
    return Alignement::gauche;
}

ParagrapheRtf paragrapheModele(const QTextBlock& bloc, qreal largeurRetrait) {
    const QTextBlockFormat f = bloc.blockFormat();
    ParagrapheRtf p;
    p.format = {alignementModele(f.alignment()),
                enTwips(f.leftMargin() + f.indent() * largeurRetrait),
                enTwips(f.rightMargin()),
                enTwips(f.textIndent()),
                enTwips(f.topMargin()),
                enTwips(f.bottomMargin())};
    p.caracteres = formatModele(bloc.charFormat());
    for (auto it = bloc.begin(); !it.atEnd(); ++it)
        p.morceaux.push_back({it.fragment().text().toStdU16String(), formatModele(it.fragment().charFormat())});
    return p;
}

} // namespace

DocumentRtf modeleDocument(const QTextDocument& document) {
    DocumentRtf modele;
    modele.paragraphes.clear();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        modele.paragraphes.push_back(paragrapheModele(b, document.indentWidth()));
    modele.policeDefaut = document.defaultFont().family().toStdU16String();
    const double defaut = document.defaultFont().pointSizeF();
    modele.pointsDefaut = defaut > 0 ? defaut : 12.0;
    return modele;
}

QByteArray ecrireRtf(const QTextDocument& document) {
    return QByteArray::fromStdString(ecrireDocumentRtf(modeleDocument(document)));
}

} // namespace vedo
