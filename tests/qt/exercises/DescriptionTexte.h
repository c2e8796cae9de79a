#pragma once
// Readable descriptions of character and paragraph formats, so that tests
// compare documents and report differences in words.

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace vedo::essai {

inline QString nomCouleur(const QBrush& b) {
    return b.style() == Qt::NoBrush ? QString("auto") : b.color().name();
}

inline QString famille(const QTextCharFormat& f, const QTextDocument& d) {
    const QStringList familles = f.fontFamilies().toStringList();
    return familles.isEmpty() ? d.defaultFont().family() : familles.first();
}

inline double taille(const QTextCharFormat& f, const QTextDocument& d) {
    return f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : d.defaultFont().pointSizeF();
}

inline QString position(const QTextCharFormat& f) {
    switch (f.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        return "exposant";
    case QTextCharFormat::AlignSubScript:
        return "indice";
    default:
        return "normal";
    }
}

inline QString alignement(const QTextBlockFormat& p) {
    const Qt::Alignment a = p.alignment();
    if (a & Qt::AlignHCenter) return "centré";
    if (a & Qt::AlignRight) return "droite";
    if (a & Qt::AlignJustify) return "justifié";
    return "gauche";
}

inline long twips(qreal pixels) {
    return std::lround(pixels * 15);
}

inline QString decrire(const QTextCharFormat& f, const QTextDocument& d) {
    QStringList s{famille(f, d), QString::number(taille(f, d))};
    if (f.fontWeight() >= QFont::DemiBold) s << "gras";
    if (f.fontItalic()) s << "italique";
    if (f.fontUnderline()) s << "souligné";
    if (f.fontStrikeOut()) s << "barré";
    s << nomCouleur(f.foreground()) << "fond " + nomCouleur(f.background()) << position(f)
      << "décalage " + QString::number(std::lround(f.baselineOffset()));
    return s.join('|');
}

inline QString decrire(const QTextBlockFormat& p) {
    return QStringList{alignement(p),
                       "gauche " + QString::number(twips(p.leftMargin())),
                       "droite " + QString::number(twips(p.rightMargin())),
                       "première " + QString::number(twips(p.textIndent())),
                       "avant " + QString::number(twips(p.topMargin())),
                       "après " + QString::number(twips(p.bottomMargin()))}
        .join('|');
}

// Format of the character at `position`.
inline QTextCharFormat formatEn(const QTextDocument& d, int position) {
    QTextCursor c(const_cast<QTextDocument*>(&d));
    c.setPosition(position);
    c.setPosition(position + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

// One line per character (its format) and per paragraph (its format).
inline QStringList decrireDocument(const QTextDocument& d) {
    QStringList lignes;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        lignes << "¶ " + decrire(b.blockFormat());
        for (int i = 0; i < b.length() - 1; ++i)
            lignes << b.text().at(i) + QString(" ") + decrire(formatEn(d, b.position() + i), d);
    }
    return lignes;
}

// Position of the first character of `extrait`, or -1.
inline int positionDe(const QTextDocument& d, const QString& extrait) {
    return static_cast<int>(d.toPlainText().indexOf(extrait));
}

} // namespace vedo::essai
