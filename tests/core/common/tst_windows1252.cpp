#include "TestRegistry.h"

#include "common/Windows1252.h"

#include <QtTest>

using namespace vedo;

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void toCodePage_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("ascii") << "ESTER" << QByteArray("ESTER");
        QTest::newRow("latin accents") << "Réaction à 20 °C"
                                       << QByteArray("R\xe9"
                                                     "action \xe0 20 \xb0"
                                                     "C");
        QTest::newRow("euro and quotes") << "€ ‘’ “” …" << QByteArray("\x80 \x91\x92 \x93\x94 \x85");
        QTest::newRow("oe ligature") << "œuvre Œ" << QByteArray("\x9cuvre \x8c");
        // One "?" a character, whatever the length of its UTF-8 sequence.
        QTest::newRow("outside the page: two, three and four bytes")
            << QString::fromUtf8("α→ẞ\U000F0000") << QByteArray("????");
        QTest::newRow("0x80 to 0x9F, the five undefined as C1 controls")
            << QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ")
            << QByteArray("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f"
                          "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9a\x9b\x9c\x9d\x9e\x9f");
        QTest::newRow("empty text") << QString() << QByteArray();
    }
    void toCodePage() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QCOMPARE(QByteArray::fromStdString(utf8VersCp1252(texte.toStdString())), octets);
    }

    void invalidUtf8BecomesQuestionMarks_data() {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("longueur"); // of the text handed over, the rest lying beyond it
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("a byte that starts nothing") << QByteArray("a\xff" "b") << 3 << QByteArray("a?b");
        QTest::newRow("sequence cut by the end") << QByteArray("\xc3") << 1 << QByteArray("?");
        QTest::newRow("cut by the end, though the next byte would complete it")
            << QByteArray("\xc3\xa9") << 1 << QByteArray("?");
        QTest::newRow("lead byte followed by a plain character") << QByteArray("\xc3" "ab") << 3 << QByteArray("?ab");
        // A four-byte character takes three continuation bytes, not the stray fourth.
        QTest::newRow("four-byte character, then a stray continuation byte")
            << QByteArray("\xf0\x9f\x98\x80\x80" "b") << 6 << QByteArray("??b");
    }
    void invalidUtf8BecomesQuestionMarks() {
        QFETCH(QByteArray, texte);
        QFETCH(int, longueur);
        QFETCH(QByteArray, octets);
        QCOMPARE(QByteArray::fromStdString(utf8VersCp1252(std::string_view(texte.constData(), longueur))), octets);
    }

    void everyByteRoundTrips() {
        std::string tous;
        for (int b = 0; b < 256; ++b)
            tous += static_cast<char>(b);
        QCOMPARE(utf8VersCp1252(cp1252VersUtf8(tous)), tous);
    }

    void toUtf8_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");
        QTest::newRow("accents and the euro") << QByteArray("\xc9tat \x80") << "État €";
        QByteArray ascii;
        for (int b = 1; b < 0x80; ++b)
            ascii += char(b);
        QTest::newRow("every ASCII byte is itself, DEL included") << ascii << QString::fromLatin1(ascii);
    }
    void toUtf8() {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        const std::string utf8 = cp1252VersUtf8(octets.toStdString());
        QCOMPARE(QByteArray::fromStdString(utf8), texte.toUtf8());
    }
};

VEDO_TEST(TestWindows1252);
#include "tst_windows1252.moc"
