#pragma once
// What the pages of a PDF that Qt wrote show, read back without any external
// tool: each page's content stream inflated, each glyph it shows turned back
// into its character through its font's ToUnicode map.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <map>

// The characters shown, without spaces, ligatures written as their letters.
struct TextePdf {
    QStringList pages;
    QString texteGras; // those shown in a bold font, on every page
};

namespace textepdf {

inline QByteArray objet(const QByteArray& pdf, int numero) {
    const QRegularExpression debut(QStringLiteral("(?<![0-9])%1 0 obj").arg(numero));
    const auto trouve = debut.match(QString::fromLatin1(pdf));
    if (!trouve.hasMatch()) return {};
    const qsizetype fin = pdf.indexOf("endobj", trouve.capturedEnd());
    return pdf.mid(trouve.capturedEnd(), fin - trouve.capturedEnd());
}

// The data of an object's stream, inflated when it is compressed.
inline QByteArray flux(const QByteArray& corps) {
    qsizetype debut = corps.indexOf("stream");
    if (debut < 0) return {};
    debut += 6;
    while (debut < corps.size() && (corps[debut] == '\r' || corps[debut] == '\n'))
        ++debut;
    const QByteArray donnees = corps.mid(debut, corps.lastIndexOf("endstream") - debut);
    if (!corps.left(debut).contains("/FlateDecode")) return donnees;
    // qUncompress wants the zlib data after a big-endian size, which only sizes its first try.
    QByteArray avecTaille(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(donnees.size() * 4), avecTaille.data());
    return qUncompress(avecTaille + donnees);
}

inline int numeroReference(const QByteArray& corps, const QString& cle) {
    const auto trouve = QRegularExpression(cle + QStringLiteral("\\s+(\\d+) 0 R")).match(QString::fromLatin1(corps));
    return trouve.hasMatch() ? trouve.captured(1).toInt() : -1;
}

// Glyph code → character, from the bfchar and bfrange entries of a CMap.
inline QHash<uint, QString> carteUnicode(const QByteArray& cmap) {
    QHash<uint, QString> carte;
    const QString texte = QString::fromLatin1(cmap);
    const auto unicode = [](const QString& hex) {
        QString s;
        for (int i = 0; i + 4 <= hex.size(); i += 4)
            s += QChar(static_cast<char16_t>(hex.mid(i, 4).toUInt(nullptr, 16)));
        return s;
    };
    static const QRegularExpression bloc(QStringLiteral("begin(bfchar|bfrange)(.*?)end\\1"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression paire(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    static const QRegularExpression plage(
        QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(<[0-9A-Fa-f]+>|\\[[^\\]]*\\])"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto b = bloc.globalMatch(texte); b.hasNext();) {
        const auto m = b.next();
        if (m.captured(1) == "bfchar") {
            for (auto p = paire.globalMatch(m.captured(2)); p.hasNext();) {
                const auto e = p.next();
                carte[e.captured(1).toUInt(nullptr, 16)] = unicode(e.captured(2));
            }
            continue;
        }
        for (auto p = plage.globalMatch(m.captured(2)); p.hasNext();) {
            const auto e = p.next();
            const uint de = e.captured(1).toUInt(nullptr, 16), a = e.captured(2).toUInt(nullptr, 16);
            const QString cible = e.captured(3);
            if (cible.startsWith('[')) {
                uint code = de;
                for (auto h = hex.globalMatch(cible); h.hasNext() && code <= a; ++code)
                    carte[code] = unicode(h.next().captured(1));
            } else {
                const uint premier = cible.mid(1, cible.size() - 2).toUInt(nullptr, 16);
                for (uint code = de; code <= a; ++code)
                    carte[code] = QChar(static_cast<char16_t>(premier + code - de));
            }
        }
    }
    return carte;
}

} // namespace textepdf

inline TextePdf textePdf(const QString& fichier) {
    using namespace textepdf;
    TextePdf r;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return r;
    const QByteArray pdf = f.readAll();
    struct Police {
        QHash<uint, QString> carte;
        bool gras = false;
    };
    std::map<int, Police> polices; // stays where it is when it grows
    const auto police = [&](int numero) -> const Police& {
        if (!polices.count(numero)) {
            const QByteArray corps = objet(pdf, numero);
            const auto nom = QRegularExpression(QStringLiteral("/BaseFont\\s*/(\\S+)")).match(QString::fromLatin1(corps));
            polices[numero] = {carteUnicode(flux(objet(pdf, numeroReference(corps, "/ToUnicode")))),
                               nom.captured(1).contains("Bold")};
        }
        return polices[numero];
    };
    static const QRegularExpression page(QStringLiteral("(\\d+) 0 obj\\s*<<\\s*/Type\\s*/Page(?![a-zA-Z])"));
    // Qt names each font resource after the number of its object: "/F12" is "12 0 obj".
    static const QRegularExpression jeton(QStringLiteral("/F(\\d+)\\s+[-\\d.]+\\s+Tf|<([0-9A-Fa-f]*)>\\s*Tj"));
    for (auto p = page.globalMatch(QString::fromLatin1(pdf)); p.hasNext();) {
        r.pages << QString();
        const QByteArray corps = objet(pdf, p.next().captured(1).toInt());
        const QString contenu = QString::fromLatin1(flux(objet(pdf, numeroReference(corps, "/Contents"))));
        const Police* courante = nullptr;
        for (auto j = jeton.globalMatch(contenu); j.hasNext();) {
            const auto m = j.next();
            if (!m.captured(1).isEmpty()) {
                courante = &police(m.captured(1).toInt());
                continue;
            }
            if (!courante) continue;
            const QString glyphes = m.captured(2);
            for (int i = 0; i + 4 <= glyphes.size(); i += 4) {
                const QString c = courante->carte.value(glyphes.mid(i, 4).toUInt(nullptr, 16))
                                      .normalized(QString::NormalizationForm_KC)
                                      .trimmed();
                r.pages.last() += c;
                if (courante->gras) r.texteGras += c;
            }
        }
    }
    return r;
}
