#include "DescriptionTexte.h"
#include "TestRegistry.h"

#include "exercises/RtfLecteur.h"

#include <QtTest>

using namespace vedo;
using namespace vedo::essai;

// Hand-written RTF in the ways word processors write it.
class TestRtfLecture : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("texte");
        QTest::newRow("code page escapes")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252 R\\'e9action \\'e0 20 \\'b0C \\'80}")
            << "Réaction à 20 °C €";
        QTest::newRow("raw code page bytes") << QByteArray("{\\rtf1 \xe9t\xe9}") << "été";
        QTest::newRow("Unicode with one fallback character")
            << QByteArray("{\\rtf1 \\u945?\\u946\\'3f!}") << "αβ!";
        QTest::newRow("Unicode with two fallback characters")
            << QByteArray("{\\rtf1\\uc2 \\u8594??x\\u8776\\'3f\\'3fy}") << "→x≈y";
        QTest::newRow("Unicode without fallback") << QByteArray("{\\rtf1\\uc0 \\u945 b}") << "αb";
        QTest::newRow("fallback cut by the end of a group")
            << QByteArray("{\\rtf1\\uc3 {\\u945?}bc}") << "αbc";
        QTest::newRow("negative Unicode above 32767") << QByteArray("{\\rtf1 \\u-1279?}") << "\uFB01";
        QTest::newRow("surrogate pair") << QByteArray("{\\rtf1\\uc0 \\u55349\\uc1 \\u56421?}") << "𝑥";
        QTest::newRow("lone surrogate replaced") << QByteArray("{\\rtf1 \\u56421?a}") << "\uFFFDa";
        QTest::newRow("last paragraph mark adds no paragraph")
            << QByteArray("{\\rtf1 a\\par b\\par }") << "a\nb";
        QTest::newRow("empty paragraphs kept") << QByteArray("{\\rtf1 a\\par\\par\\par b}") << "a\n\n\nb";
        QTest::newRow("line ends in the file are not text") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
        QTest::newRow("space after a word is its delimiter")
            << QByteArray("{\\rtf1\\b gras\\b0  maigre}") << "gras maigre";
        QTest::newRow("ignorable destination skipped")
            << QByteArray("{\\rtf1 a{\\*\\generator Traitement 1.0;}{\\*\\unknown {x}y}b}") << "ab";
        QTest::newRow("information and style sheet skipped")
            << QByteArray("{\\rtf1{\\info{\\title Titre}{\\author Moi}}{\\stylesheet{\\s0 Normal;}}texte}")
            << "texte";
        QTest::newRow("picture data skipped")
            << QByteArray("{\\rtf1 a{\\pict\\wmetafile8\\picw100 0100090000037a}b}") << "ab";
        QTest::newRow("binary data with braces skipped")
            << QByteArray("{\\rtf1 a{\\pict\\bin6 }{\\}{b}c}") << "ac";
        QTest::newRow("field result shown, instruction skipped")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}}}") << "lien";
        QTest::newRow("escaped braces and backslash") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << "{a}\\";
        QTest::newRow("typographic words")
            << QByteArray("{\\rtf1 \\lquote a\\rquote \\emdash \\bullet}") << "‘a’—•";
        QTest::newRow("byte order mark and blanks before the header")
            << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 ok}") << "ok";
        QTest::newRow("font names not shown")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times{\\*\\falt Tms};}}\\f1 t}")
            << "t";
        QTest::newRow("colour table not shown")
            << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}x}") << "x";
        QTest::newRow("text after the closing brace ignored") << QByteArray("{\\rtf1 a}b") << "a";
    }
    void text() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, texte);
        QTextDocument d;
        QString erreur;
        QVERIFY(lireRtf(rtf, d, &erreur));
        QCOMPARE(erreur, QString());
        QCOMPARE(d.toPlainText(), texte);
    }

    void characterFormat_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("extrait");
        QTest::addColumn<QString>("format");
        const QByteArray tables =
            "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss "
            "Arial;}}{\\colortbl;\\red0\\green0\\blue200;\\red255\\green255\\blue0;}";
        QTest::newRow("default font of deff at 12 points") << tables + "x}"
                                                           << "x"
                                                           << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("font, size, bold, italic, underline, strike")
            << tables + "\\f0\\fs21\\b\\i\\ul\\strike x}"
            << "x"
            << "Times New Roman|10.5|gras|italique|souligné|barré|auto|fond auto|normal|décalage 0";
        QTest::newRow("toggles switched off") << tables + "\\b\\i\\ul\\strike\\b0\\i0\\ulnone\\strike0 x}"
                                              << "x"
                                              << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("underline switched off by ul0") << tables + "\\ul\\ul0 x}"
                                                       << "x"
                                                       << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("colour and highlight") << tables + "\\cf1\\highlight2 x}"
                                              << "x"
                                              << "Arial|12|#0000c8|fond #ffff00|normal|décalage 0";
        QTest::newRow("colour 0 of the table is automatic") << tables + "\\cf1\\cf0 x}"
                                                            << "x"
                                                            << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("colour beyond the table is automatic") << tables + "\\cf9 x}"
                                                              << "x"
                                                              << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("unknown font keeps the document font")
            << QByteArray("{\\rtf1\\f7 x}") << "x"
            << QTextDocument().defaultFont().family() + "|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("group restores the format") << tables + "{\\b\\cf1 a}x}"
                                                   << "x"
                                                   << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("plain resets everything to the default font")
            << tables + "\\f0\\fs40\\b\\cf1\\super\\plain x}"
            << "x"
            << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("superscript") << tables + "\\super x}"
                                     << "x"
                                     << "Arial|12|auto|fond auto|exposant|décalage 0";
        QTest::newRow("subscript switched off") << tables + "\\sub\\nosupersub x}"
                                                << "x"
                                                << "Arial|12|auto|fond auto|normal|décalage 0";
        QTest::newRow("raised by up in half-points") << tables + "\\fs20\\up5 x}"
                                                     << "x"
                                                     << "Arial|10|auto|fond auto|normal|décalage 25";
        QTest::newRow("lowered by dn in half-points") << tables + "\\fs24\\dn6 x}"
                                                      << "x"
                                                      << "Arial|12|auto|fond auto|normal|décalage -25";
        QTest::newRow("shape of text written by a small editor")
            << QByteArray(
                   "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 "
                   "Arial;}}\r\n"
                   "{\\colortbl ;\\red0\\green0\\blue200;}\r\n\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1"
                   "\\cf1\\b\\f0\\fs20\\lang12 Titre\\cf0\\b0\\par\r\n}\r\n")
            << "Titre"
            << "Arial|10|gras|#0000c8|fond auto|normal|décalage 0";
    }
    void characterFormat() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, extrait);
        QFETCH(QString, format);
        QTextDocument d;
        QVERIFY(lireRtf(rtf, d));
        const int p = positionDe(d, extrait);
        QVERIFY(p >= 0);
        QCOMPARE(decrire(formatEn(d, p), d), format);
    }

    void paragraphFormat_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("format");
        QTest::newRow("left by default")
            << QByteArray("{\\rtf1 x}") << "gauche|gauche 0|droite 0|première 0|avant 0|après 0";
        QTest::newRow("centred with indents and spacing")
            << QByteArray("{\\rtf1\\qc\\li720\\ri360\\fi-360\\sb120\\sa60 x\\par}")
            << "centré|gauche 720|droite 360|première -360|avant 120|après 60";
        QTest::newRow("right") << QByteArray("{\\rtf1\\qr x}")
                               << "droite|gauche 0|droite 0|première 0|avant 0|après 0";
        QTest::newRow("justified") << QByteArray("{\\rtf1\\qj x}")
                                   << "justifié|gauche 0|droite 0|première 0|avant 0|après 0";
        QTest::newRow("pard resets the paragraph") << QByteArray("{\\rtf1\\qc\\li720\\pard x}")
                                                   << "gauche|gauche 0|droite 0|première 0|avant 0|après 0";
        QTest::newRow("format given just before the mark applies")
            << QByteArray("{\\rtf1 x\\qr\\par}") << "droite|gauche 0|droite 0|première 0|avant 0|après 0";
        QTest::newRow("indent beyond a page is bounded")
            << QByteArray("{\\rtf1\\li99999999\\fi-99999999 x}")
            << "gauche|gauche 31680|droite 0|première -31680|avant 0|après 0";
        QTest::newRow("negative spacing read as none")
            << QByteArray("{\\rtf1\\li-500\\sb-20 x}")
            << "gauche|gauche 0|droite 0|première 0|avant 0|après 0";
    }
    void paragraphFormat() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, format);
        QTextDocument d;
        QVERIFY(lireRtf(rtf, d));
        QCOMPARE(decrire(d.begin().blockFormat()), format);
    }

    void paragraphsKeepTheirOwnFormats() {
        QTextDocument d;
        QVERIFY(lireRtf("{\\rtf1\\pard\\qc titre\\par\\pard\\li400 corps\\par\\pard fin}", d));
        QCOMPARE(d.blockCount(), 3);
        QCOMPARE(alignement(d.findBlockByNumber(0).blockFormat()), QString("centré"));
        QCOMPARE(twips(d.findBlockByNumber(1).blockFormat().leftMargin()), 400L);
        QCOMPARE(alignement(d.findBlockByNumber(1).blockFormat()), QString("gauche"));
        QCOMPARE(twips(d.findBlockByNumber(2).blockFormat().leftMargin()), 0L);
    }
};

VEDO_TEST(TestRtfLecture);
#include "tst_rtflecture.moc"
