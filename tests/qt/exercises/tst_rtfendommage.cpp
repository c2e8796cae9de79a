#include "TestRegistry.h"

#include "exercises/RtfLecteur.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

// Damaged or hostile RTF: the reader never crashes, shows what it could read
// and says in French what went wrong.
class TestRtfEndommage : public QObject {
    Q_OBJECT
private slots:
    void damaged_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("lu");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        const QString endommage = "Le texte RTF est endommagé : seule sa partie lisible est affichée.";
        const QString pasRtf = "Ce fichier n'est pas un texte au format RTF.";
        QTest::newRow("empty file") << QByteArray() << false << "avant"
                                    << "Le fichier est vide.";
        QTest::newRow("only blanks") << QByteArray(" \r\n\t ") << false << "avant"
                                     << "Le fichier est vide.";
        QTest::newRow("plain text file") << QByteArray("Bonjour") << false << "avant" << pasRtf;
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << false << "avant" << pasRtf;
        QTest::newRow("header only") << QByteArray("{\\rtf") << true << "" << endommage;
        QTest::newRow("cut in the middle of the text")
            << QByteArray("{\\rtf1 {\\b d\\'e9but") << true << "début" << endommage;
        QTest::newRow("cut after a backslash") << QByteArray("{\\rtf1 abc\\") << true << "abc" << endommage;
        QTest::newRow("cut inside a hex escape")
            << QByteArray("{\\rtf1 abc\\'e") << true << "abc" << endommage;
        QTest::newRow("bad hex escape dropped") << QByteArray("{\\rtf1 a\\'zzb}") << true << "azzb"
                                                << "";
        QTest::newRow("missing closing braces")
            << QByteArray("{\\rtf1 a{\\i b{\\b c") << true << "abc" << endommage;
        QTest::newRow("closing brace too many") << QByteArray("{\\rtf1 a}}}b") << true << "a"
                                                << "";
        QTest::newRow("huge font size") << QByteArray("{\\rtf1\\fs99999999999999999999 x}") << true << "x"
                                        << "";
        QTest::newRow("huge and negative numbers everywhere")
            << QByteArray("{\\rtf1\\f-99999999999\\cf4294967297\\highlight-5\\li-99999999999\\fi99999999999"
                          "\\up99999999\\dn-7\\uc99999999 \\u99999999999 x}")
            << true << "\uFFFD"
            << "";
        QTest::newRow("negative Unicode below the 16-bit range")
            << QByteArray("{\\rtf1 \\u-99999?x}") << true << "\uFFFDx"
            << "";
        QTest::newRow("Unicode -1") << QByteArray("{\\rtf1 \\u-1?x}") << true << "\uFFFFx"
                                    << "";
        QTest::newRow("binary length beyond the end")
            << QByteArray("{\\rtf1 a\\bin99999999999 }}}") << true << "a" << endommage;
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 b}") << true << "ab"
                                                << "";
        QTest::newRow("picture data is never shown as text")
            << QByteArray("{\\rtf1 {\\pict\\pngblip 89504e470d0a1a0a}vu}") << true << "vu"
            << "";
        QTest::newRow("picture not closed hides the rest")
            << QByteArray("{\\rtf1 vu{\\pict 89504e47") << true << "vu" << endommage;
        QTest::newRow("control word of a thousand letters")
            << QByteArray("{\\rtf1 \\" + QByteArray(1000, 'b') + " x}") << true << "x"
            << "";
        QTest::newRow("nesting deeper than any text")
            << QByteArray("{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}") << true
            << "xy"
            << "";
        QTest::newRow("nesting never closed")
            << QByteArray("{\\rtf1 " + QByteArray(100000, '{') + "x") << true << "x" << endommage;
        QTest::newRow("thousands of broken escapes")
            << QByteArray("{\\rtf1 " + QByteArray("\\'").repeated(200000) + "}") << true << ""
            << "";
        QTest::newRow("control bytes dropped") << QByteArray("{\\rtf1 a\0\x01\x1f"
                                                             "b}",
                                                             13)
                                               << true << "ab"
                                               << "";
    }
    void damaged() {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, lu);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QTextDocument d;
        d.setPlainText("avant");
        QString erreur = "non vidé";
        QCOMPARE(lireRtf(rtf, d, &erreur), lu);
        QCOMPARE(erreur, message);
        QCOMPARE(d.toPlainText(), texte);
    }

    // Every prefix of a real file: cut anywhere, the reader shows a beginning
    // of the text and warns.
    void everyCutOfARealFile() {
        QFile f(VEDO_TEST_DATA "/libreoffice-enonce.rtf");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray rtf = f.readAll();
        QTextDocument complet;
        QVERIFY(lireRtf(rtf, complet));
        const QString texteComplet = complet.toPlainText();
        for (qsizetype n = 6; n < rtf.size() - 3; n += 7) {
            QTextDocument d;
            QString erreur;
            QVERIFY(lireRtf(rtf.left(n), d, &erreur));
            QVERIFY2(!erreur.isEmpty(), qPrintable(QString::number(n)));
            const QString lu = d.toPlainText();
            // A number cut short may change the last character read; the rest is the beginning of the text.
            QVERIFY2(texteComplet.startsWith(lu.left(lu.size() - 1)), qPrintable(lu));
        }
    }

    void randomJunkAfterAHeader() {
        QRandomGenerator aleatoire(20240607);
        for (int essai = 0; essai < 200; ++essai) {
            QByteArray junk = "{\\rtf1 ";
            const int taille = aleatoire.bounded(1, 4000);
            for (int i = 0; i < taille; ++i) {
                // Favour the bytes that drive the reader.
                static const char speciaux[] = "{}\\'0123456789-*;uxbinfcpar ";
                junk += aleatoire.bounded(2) == 0 ? speciaux[aleatoire.bounded(int(sizeof speciaux) - 1)]
                                                  : static_cast<char>(aleatoire.bounded(256));
            }
            QTextDocument d;
            QVERIFY(lireRtf(junk, d));
        }
    }
};

VEDO_TEST(TestRtfEndommage);
#include "tst_rtfendommage.moc"
