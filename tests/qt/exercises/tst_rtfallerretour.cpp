#include "DescriptionTexte.h"
#include "TestRegistry.h"

#include "exercises/RtfEcrivain.h"
#include "exercises/RtfLecteur.h"

#include <QtTest>

using namespace vedo;
using namespace vedo::essai;

namespace {

// A document made with the cursor, for the formats HTML cannot give.
struct Morceau {
    QString texte;
    QTextCharFormat format;
};

QTextCharFormat decale(double pourcent, double points) {
    QTextCharFormat f;
    f.setFontPointSize(points);
    f.setBaselineOffset(pourcent);
    return f;
}

} // namespace

Q_DECLARE_METATYPE(Morceau)

class TestRtfAllerRetour : public QObject {
    Q_OBJECT
private slots:
    void htmlDocument_data() {
        QTest::addColumn<QString>("html");
        QTest::newRow("plain words") << "<p>Bonjour</p>";
        QTest::newRow("centred blue title in Arial 18") << "<p align=center><span style='font-family:Arial; "
                                                           "font-size:18pt; color:#0000c8'>Titre</span></p>";
        QTest::newRow("bold, italic, underline, strike-out mixed")
            << "<p>a <b>gras</b> <i>ital</i> <u>soul</u> <s>barré</s> <b><i><u>tout</u></i></b></p>";
        QTest::newRow("text colours and highlight")
            << "<p><span style='color:#ff0000'>rouge</span> <span style='color:#008000'>vert</span> "
               "<span style='background-color:#ffff00'>surligné</span> <span "
               "style='color:#ff0000'>encore</span></p>";
        QTest::newRow("several sizes and fonts")
            << "<p><span style='font-size:8pt'>petit</span><span style='font-size:10.5pt'>moyen</span>"
               "<span style='font-size:36pt; font-family:\"Times New Roman\"'>grand</span>"
               "<span style='font-family:\"DejaVu Sans Mono\"'>fixe</span></p>";
        QTest::newRow("four alignments") << "<p align=left>g</p><p align=center>c</p><p align=right>d</p>"
                                            "<p align=justify>j</p>";
        QTest::newRow("indents and spacing")
            << "<p style='margin-left:40px; margin-right:12px; text-indent:-20px; margin-top:6px; "
               "margin-bottom:3px'>retrait</p><p>normal</p>";
        QTest::newRow("subscript and superscript") << "<p>H<sub>2</sub>O et 10<sup>-3</sup></p>";
        QTest::newRow("accents and Windows-1252 punctuation")
            << "<p>Réaction à 20 °C, œuvre, 5 € “cité” … — Ÿ</p>";
        QTest::newRow("characters outside Windows-1252") << "<p>α → ≈ ∆ 𝑥 ✓</p>";
        QTest::newRow("braces and backslashes") << "<p>a{b}c\\d \\par {\\b}</p>";
        QTest::newRow("digits right after formats") << "<p><b>1</b>2<i>3</i>4</p>";
        QTest::newRow("empty paragraphs, also at the end") << "<p>a</p><p></p><p>b</p><p></p><p></p>";
        QTest::newRow("empty document") << "";
        QTest::newRow("non-breaking space and soft hyphen")
            << "<p>20&nbsp;°C dis&shy;til&shy;la&shy;tion</p>";
    }
    void htmlDocument() {
        QFETCH(QString, html);
        QTextDocument original;
        original.setHtml(html);
        verifierAllerRetour(original);
    }

    void cursorDocument_data() {
        QTest::addColumn<QList<Morceau>>("morceaux");
        QTextCharFormat rien;
        QTest::newRow("tab and line break inside a paragraph")
            << QList<Morceau>{{"a\tb" + QString(QChar::LineSeparator) + "c", rien}};
        QTest::newRow("raised and lowered by a quarter at 10 points")
            << QList<Morceau>{{"x", rien}, {"2", decale(25, 10)}, {"y", rien}, {"3", decale(-25, 10)}};
        QTest::newRow("raised by half at 12 points") << QList<Morceau>{{"10", rien}, {"5", decale(50, 12)}};
        QTextCharFormat surligneRouge;
        surligneRouge.setBackground(QColor(255, 0, 0));
        surligneRouge.setForeground(QColor(255, 0, 0));
        QTest::newRow("same colour as text and background") << QList<Morceau>{{"r", surligneRouge}};
    }
    void cursorDocument() {
        QFETCH(QList<Morceau>, morceaux);
        QTextDocument original;
        QTextCursor c(&original);
        for (const Morceau& m : morceaux)
            c.insertText(m.texte, m.format);
        verifierAllerRetour(original);
    }

    void writerOutput_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("letter of the code page as hex") << "é" << QByteArray("\\'e9");
        QTest::newRow("euro sign as its code page byte") << "€" << QByteArray("\\'80");
        QTest::newRow("Greek letter as Unicode with a question mark") << "α" << QByteArray("\\u945?");
        QTest::newRow("character above 32767 as a negative number") << "\uFB01" << QByteArray("\\u-1279?");
        QTest::newRow("brace escaped") << "{" << QByteArray("\\{");
        QTest::newRow("backslash escaped") << "\\" << QByteArray("\\\\");
        QTest::newRow("tab as a control word") << "\t" << QByteArray("\\tab ");
    }
    void writerOutput() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, attendu);
        QTextDocument d;
        d.setPlainText(texte);
        const QByteArray rtf = ecrireRtf(d);
        QVERIFY2(rtf.contains(attendu), rtf.constData());
    }

    void writerOutputIsAsciiWithHeaderAndTables() {
        QTextDocument d;
        d.setHtml("<p><span style='color:#0000c8; font-family:Arial'>Réaction α</span></p>");
        const QByteArray rtf = ecrireRtf(d);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
        QVERIFY(rtf.contains("{\\fonttbl{\\f0"));
        QVERIFY(rtf.contains("Arial;}"));
        QVERIFY(rtf.contains("{\\colortbl;\\red0\\green0\\blue200;}"));
        QVERIFY(
            std::all_of(rtf.begin(), rtf.end(), [](char o) { return static_cast<unsigned char>(o) < 0x80; }));
    }

    // Some readers lose text when \super is switched off other than by the
    // end of its group.
    void eachRunIsItsOwnGroup() {
        QTextDocument d;
        d.setHtml("<p>10<sup>-3</sup> mol</p>");
        const QByteArray rtf = ecrireRtf(d);
        QVERIFY2(rtf.contains("\\super -3}{"), rtf.constData());
        QVERIFY2(rtf.contains(" mol}\\par"), rtf.constData());
    }

    void readingReplacesTheWholeDocumentInOneUndoStep() {
        QTextDocument d;
        d.setPlainText("ancien");
        QTextDocument source;
        source.setPlainText("nouveau");
        QVERIFY(lireRtf(ecrireRtf(source), d));
        QCOMPARE(d.toPlainText(), QString("nouveau"));
        d.undo();
        QCOMPARE(d.toPlainText(), QString("ancien"));
    }

private:
    static void verifierAllerRetour(const QTextDocument& original) {
        QTextDocument relu;
        QString erreur = "non vidé";
        QVERIFY(lireRtf(ecrireRtf(original), relu, &erreur));
        QCOMPARE(erreur, QString());
        QCOMPARE(relu.toPlainText(), original.toPlainText());
        QCOMPARE(relu.blockCount(), original.blockCount());
        QCOMPARE(decrireDocument(relu), decrireDocument(original));
    }
};

VEDO_TEST(TestRtfAllerRetour);
#include "tst_rtfallerretour.moc"
