#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QtTest>

using namespace vedo;

class TestSaisie : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void validation_data() {
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<int>("quittee");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<QStringList>("messages");
        const QString titre = "Dépassement de capacité: ";
        QTest::newRow("all zero raises the box left to 0,001")
            << QStringList{"0", "0", "0", "0"} << 0 << QStringList{"0,001", "0", "0", "0"}
            << QStringList{titre + "La quantité de matière ne peut être inférieure à 0,001 mol"};
        QTest::newRow("5, 5, 3, 0 leaving the third brings it to 0")
            << QStringList{"5", "5", "3", "0"} << 2 << QStringList{"5", "5", "0", "0"}
            << QStringList{titre + "La quantité de matière ne peut être supérieure à 10 mol"};
        QTest::newRow("three significant digits on every box")
            << QStringList{"1,23456", "0,1", "0", "2,71828"} << 1 << QStringList{"1,23", "0,1", "0", "2,72"}
            << QStringList{};
        QTest::newRow("total of exactly 10 is accepted")
            << QStringList{"4", "6", "0", "0"} << 0 << QStringList{"4", "6", "0", "0"} << QStringList{};
        QTest::newRow("an empty box counts as 0 and becomes a number")
            << QStringList{"0,5", "", "0", "0"} << 0 << QStringList{"0,5", "0", "0", "0"} << QStringList{};
        // Only a configuration file brings these; they are read as the run reads them.
        QTest::newRow("a negative amount shows 0")
            << QStringList{"-1", "1", "0", "0"} << 1 << QStringList{"0", "1", "0", "0"} << QStringList{};
        QTest::newRow("an amount beyond single precision shows 0")
            << QStringList{"4E38", "1", "0", "0"} << 1 << QStringList{"0", "1", "0", "0"} << QStringList{};
        QTest::newRow("other boxes above 10 leave the box left at 0")
            << QStringList{"6", "6", "1", "0"} << 2 << QStringList{"6", "6", "0", "0"}
            << QStringList{titre + "La quantité de matière ne peut être supérieure à 10 mol"};
    }
    void validation() {
        QFETCH(QStringList, boites);
        QFETCH(int, quittee);
        QFETCH(QStringList, attendu);
        QFETCH(QStringList, messages);
        for (int k = 0; k < 4; ++k)
            controles(*f).Picture4->Text1[k]->setText(boites[k]);
        // Enter validates the box like leaving it.
        QTest::keyClick(controles(*f).Picture4->Text1[quittee], Qt::Key_Return);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(controles(*f).Picture4->Text1[k]->text(), attendu[k]);
        QCOMPARE(f->prompteur.messages(), messages);
        for (const auto& q : f->prompteur.questions)
            QCOMPARE(q.icone, Icone::critique);
    }

    void quitterLaBoiteValide() {
        auto& boites = controles(*f).Picture4->Text1;
        boites[0]->setText("0");
        boites[1]->setText("0");
        (*f)->activateWindow();
        boites[0]->setFocus(Qt::OtherFocusReason);
        boites[1]->setFocus(Qt::TabFocusReason);
        QCOMPARE(boites[0]->text(), QString("0,001"));
        QCOMPARE(f->prompteur.messages().size(), 1);
    }

    void filtreDesTouches_data() {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("texte");
        QTest::newRow("a full stop becomes a comma") << "1.5"
                                                     << "1,5";
        QTest::newRow("comma kept") << "2,25"
                                    << "2,25";
        QTest::newRow("letters, signs and exponents refused") << "a-3e+2x"
                                                              << "32";
        QTest::newRow("blanks refused") << " 4 "
                                        << "4";
    }
    void filtreDesTouches() {
        QFETCH(QString, frappe);
        QFETCH(QString, texte);
        QLineEdit* boite = controles(*f).Picture4->Text1[3];
        boite->clear();
        QTest::keyClicks(boite, frappe);
        QCOMPARE(boite->text(), texte);
        QVERIFY(f->prompteur.questions.empty());
    }

    void retourArriereAccepte() {
        QLineEdit* boite = controles(*f).Picture4->Text1[2];
        boite->setText("12");
        boite->end(false);
        QTest::keyClick(boite, Qt::Key_Backspace);
        QCOMPARE(boite->text(), QString("1"));
    }
};

VEDO_TEST(TestSaisie);
#include "tst_saisie.moc"
