#include "TestRegistry.h"

#include "CliRunner.h"

#include <QtTest>

class TestEvalCommand : public QObject {
    Q_OBJECT
private slots:
    void affichage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("sum with the sign's blank") << QStringList{"2+3"} << " 5";
        QTest::newRow("negative without blank") << QStringList{"-5+2"} << "-3";
        QTest::newRow("scientific display") << QStringList{"--scientific", "2+3"} << "5.E+00";
        QTest::newRow("radians") << QStringList{"--radians", "invCOS -1"} << " 3.14159265358979";
        QTest::newRow("degrees by default") << QStringList{"sin 30"} << " 0.5";
        QTest::newRow("words joined like the keys") << QStringList{"2", "*", "sin", "30"} << " 1";
        QTest::newRow("after --, an option-like text is the expression") << QStringList{"--", "--5"} << " 5";
        QTest::newRow("letters read as 0") << QStringList{"ABC"} << " 0";
        QTest::newRow("parenthesis error") << QStringList{"(2+3"} << "Erreur saisie: revoir les parenthèses";
        QTest::newRow("operator error")
            << QStringList{"2**3"} << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
        QTest::newRow("impossible") << QStringList{"1/0"} << "Calcul impossible";
        QTest::newRow("number beyond the range") << QStringList{"1E400"} << "Dépassement de capacité";
    }
    void affichage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, ligne);
        const auto r = executerCli(QStringList{"eval"} + arguments);
        QCOMPARE(r.statut, 0);
        QCOMPARE(r.sortie, ligne + "\n");
    }

    void erreurs_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no expression") << QStringList{} << "Expression manquante";
        QTest::newRow("options only") << QStringList{"--radians"} << "Expression manquante";
        QTest::newRow("unknown option") << QStringList{"--degres", "1"} << "Option inconnue : --degres";
    }
    void erreurs() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const auto r = executerCli(QStringList{"eval"} + arguments);
        QCOMPARE(r.statut, 2);
        QVERIFY(r.sortie.isEmpty());
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
    }
};

VEDO_TEST(TestEvalCommand);
#include "tst_evalcommand.moc"
