#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

using namespace vedo;

// Pasting goes round the key filter of the amount boxes: what the keys could
// not type is refused whole, and what is left is still validated.
class TestCollageQuantite : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void collage_data() {
        QTest::addColumn<QString>("collage");
        QTest::addColumn<QString>("avantValidation");
        QTest::addColumn<QString>("apresValidation");
        QTest::addColumn<int>("messages");
        QTest::newRow("a million letters") << QString(1'000'000, 'x') << "0"
                                           << "0" << 0;
        QTest::newRow("a negative amount") << "-5"
                                           << "0"
                                           << "0" << 0;
        QTest::newRow("an exponent beyond the single range") << "1E+39"
                                                             << "0"
                                                             << "0" << 0;
        QTest::newRow("control characters and a nul") << QString::fromLatin1("1\0\x01\t\n2", 6) << "0"
                                                      << "0" << 0;
        QTest::newRow("a full stop as decimal separator") << "1.5"
                                                          << "1.5"
                                                          << "1,5" << 0;
        QTest::newRow("forty thousand nines, cut to the box's length, no number")
            << QString(40'000, '9') << QString(32'767, '9') << "0" << 0;
        QTest::newRow("a large amount brought back to the bound") << "99999"
                                                                  << "99999"
                                                                  << "9,8" << 1;
    }
    void collage() {
        QFETCH(QString, collage);
        QFETCH(QString, avantValidation);
        QFETCH(QString, apresValidation);
        QFETCH(int, messages);
        QLineEdit* boite = controles(*f).Picture4->Text1[2];
        QApplication::clipboard()->setText(collage);
        boite->selectAll();
        QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(boite->text(), avantValidation);
        QTest::keyClick(boite, Qt::Key_Return);
        QCOMPARE(boite->text(), apresValidation);
        QCOMPARE(f->prompteur.questions.size(), messages);
        QCOMPARE(controles(*f).Picture4->Text1[0]->text(), QString("0,1"));
        QCOMPARE(controles(*f).Picture4->Text1[1]->text(), QString("0,1"));
    }
};

VEDO_TEST(TestCollageQuantite);
#include "tst_collagequantite.moc"
