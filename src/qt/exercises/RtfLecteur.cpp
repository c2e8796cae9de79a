#include "exercises/RtfLecteur.h"

#include "exercises/UnitesTexte.h"
#include "rtf/LecteurRtf.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

namespace vedo {

namespace {

QColor couleurQt(const CouleurRtf& c) {
    return QColor(c.rouge, c.vert, c.bleu);
}

// The properties in the same order whatever the format: formats compare them in order.
QTextCharFormat formatQt(const FormatCaracteres& c) {
    QTextCharFormat f;
    if (c.police) f.setFontFamilies({QString::fromStdU16String(*c.police)});
    if (c.points) f.setFontPointSize(*c.points);
    f.setFontWeight(c.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italique);
    f.setFontUnderline(c.souligne);
    f.setFontStrikeOut(c.barre);
    if (c.couleur) f.setForeground(couleurQt(*c.couleur));
    if (c.fond) f.setBackground(couleurQt(*c.fond));
    if (c.position == PositionTexte::exposant) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (c.position == PositionTexte::indice) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (c.decalage != 0) f.setBaselineOffset(c.decalage);
    return f;
}

Qt::Alignment alignementQt(Alignement a) {
    switch (a) {
    case Alignement::centre:
        return Qt::AlignHCenter;
    case Alignement::droite:
        return Qt::AlignRight;
    case Alignement::justifie:
        return Qt::AlignJustify;
    case Alignement::gauche:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat formatQt(const FormatParagraphe& p) {
    QTextBlockFormat f;
    f.setAlignment(alignementQt(p.alignement));
    f.setLeftMargin(twipsVersPixels(p.gauche));
    f.setRightMargin(twipsVersPixels(p.droite));
    f.setTextIndent(twipsVersPixels(p.premiereLigne));
    f.setTopMargin(twipsVersPixels(p.avant));
    f.setBottomMargin(twipsVersPixels(p.apres));
    return f;
}

} // namespace

void remplirDocument(QTextDocument& document, const DocumentRtf& modele) {
    QTextCursor curseur(&document);
    curseur.beginEditBlock();
    curseur.select(QTextCursor::Document);
    curseur.removeSelectedText();
    bool premier = true;
    for (const ParagrapheRtf& p : modele.paragraphes) {
        if (premier) {
            curseur.setBlockFormat(formatQt(p.format));
            curseur.setBlockCharFormat(formatQt(p.caracteres));
            premier = false;
        } else {
            curseur.insertBlock(formatQt(p.format), formatQt(p.caracteres));
        }
        for (const MorceauTexte& m : p.morceaux)
            curseur.insertText(QString::fromStdU16String(m.texte), formatQt(m.format));
    }
    curseur.endEditBlock();
}

bool lireRtf(const QByteArray& rtf, QTextDocument& document, QString* erreur) {
    const LectureRtf lecture = lireDocumentRtf(std::string_view(rtf.constData(), rtf.size()));
    if (lecture.lu) remplirDocument(document, lecture.document);
    if (erreur) *erreur = QString::fromStdString(lecture.erreur);
    return lecture.lu;
}

} // namespace vedo
