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
        QTest::newRow("outside the page") << "α→" << QByteArray("??");
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

    void invalidUtf8BecomesQuestionMarks() {
        QCOMPARE(utf8VersCp1252("a\xff"
                                "b"),
                 std::string("a?b"));
        QCOMPARE(utf8VersCp1252("\xc3"), std::string("?"));
    }

    void everyByteRoundTrips() {
        std::string tous;
        for (int b = 0; b < 256; ++b)
            tous += static_cast<char>(b);
        QCOMPARE(utf8VersCp1252(cp1252VersUtf8(tous)), tous);
    }

    void toUtf8() { QCOMPARE(QString::fromStdString(cp1252VersUtf8("\xc9tat \x80")), QString("État €")); }
};

VEDO_TEST(TestWindows1252);
#include "tst_windows1252.moc"
