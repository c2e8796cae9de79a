#include "TestRegistry.h"

#include "evaluator/Calculatrice.h"
#include "common/NumberText.h"

#include <QtTest>

#include <limits>

using namespace vedo;

namespace {

struct Banc {
    double memoire = 0.0;
    Calculatrice calculatrice{memoire};
    int bips = 0;
    Banc() {
        calculatrice.bip = [this] { ++bips; };
    }
    void taper(const std::string& texte) {
        for (const char c : texte)
            calculatrice.frappe(c);
    }
    QString affichage() const { return QString::fromStdString(calculatrice.affichage()); }
    QString saisie() const { return QString::fromStdString(calculatrice.saisie()); }
};

} // namespace

class TestCalculatrice : public QObject {
    Q_OBJECT
private slots:
    void bipSurErreur_data() {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<int>("bips");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("success is silent") << "2+3" << 0 << " 5";
        QTest::newRow("parentheses") << "(2" << 1 << "Erreur saisie: revoir les parenthèses";
        QTest::newRow("operators") << "2^" << 1 << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
        QTest::newRow("impossible") << "0/0" << 1 << "Calcul impossible";
        QTest::newRow("number beyond the range") << "1E999" << 1 << "Dépassement de capacité";
    }
    void bipSurErreur() {
        QFETCH(QString, entree);
        QFETCH(int, bips);
        QFETCH(QString, affiche);
        Banc banc;
        banc.calculatrice.ajouter(entree.toStdString());
        banc.calculatrice.executer();
        QCOMPARE(banc.bips, bips);
        QCOMPARE(banc.affichage(), affiche);
        QCOMPARE(QString::fromStdString(banc.calculatrice.derniereReponse()), affiche);
        // After an error the typed entry is kept for correction.
        QCOMPARE(banc.saisie(), bips == 0 ? QString() : entree);
    }

    // "ANS" must not take an overflow message for a number.
    void depassementEstUneErreur() {
        Banc banc;
        banc.calculatrice.ajouter("1E999");
        banc.calculatrice.executer();
        QCOMPARE(banc.calculatrice.erreur(), CodeErreur::calculImpossible);
        banc.calculatrice.toutEffacer();
        banc.calculatrice.reponse();
        QCOMPARE(banc.saisie(), QString());
    }

    void messageAttentePendantLeCalcul() {
        Banc banc;
        banc.calculatrice.ajouter("2+3");
        QStringList vus;
        banc.calculatrice.executer([&] {
            vus << banc.affichage();
            return true;
        });
        QVERIFY(!vus.isEmpty());
        QCOMPARE(vus.first(), QString("    Patience... Calculs en cours.     "));
        QCOMPARE(banc.affichage(), QString(" 5"));
    }

    void memoireToujoursFinie() {
        Banc banc;
        banc.memoire = std::numeric_limits<double>::max();
        banc.calculatrice.ajouter("1E308");
        banc.calculatrice.executer();
        banc.calculatrice.ajouterMemoire();
        QCOMPARE(banc.memoire, std::numeric_limits<double>::max());
        banc.memoire = -std::numeric_limits<double>::max();
        banc.calculatrice.soustraireMemoire();
        QCOMPARE(banc.memoire, -std::numeric_limits<double>::max());
    }

    // Fifteen digits round the largest double beyond the range.
    void changementAffichageHorsDomaine() {
        Banc banc;
        banc.calculatrice.ajouter("1.7976931348623157E308");
        banc.calculatrice.executer();
        QCOMPARE(banc.affichage(), QString(" 1.79769313486232E+308"));
        banc.calculatrice.choisirAffichage(true);
        QCOMPARE(banc.affichage(), QString("Dépassement de capacité"));
        QCOMPARE(banc.bips, 1);
    }

    void effacement_data() {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("reste");
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("last digit") << "12"
                                    << "1";
        QTest::newRow("spaced operator") << "2 ^ "
                                         << "2";
        QTest::newRow("operator alone") << " / "
                                        << "";
        QTest::newRow("word after an operator") << "2 + invSIN "
                                                << "2 + ";
        QTest::newRow("word after a parenthesis") << "((log "
                                                  << "((";
        QTest::newRow("word alone") << "exp "
                                    << "";
        QTest::newRow("lone blank") << " "
                                    << "";
        QTest::newRow("minus sign without blanks") << "2 - -"
                                                   << "2 - ";
    }
    void effacement() {
        QFETCH(QString, saisie);
        QFETCH(QString, reste);
        Banc banc;
        banc.calculatrice.ajouter(saisie.toStdString());
        banc.calculatrice.effacer();
        QCOMPARE(banc.saisie(), reste);
        QCOMPARE(banc.affichage(), reste);
    }

    void frappes_data() {
        QTest::addColumn<char>("touche");
        QTest::addColumn<bool>("connue");
        for (const char c : std::string("0123456789.,EeDd()*+-/^\b"))
            QTest::newRow(std::string(1, c).c_str()) << c << true;
        for (const char c : std::string("xX =%!aS"))
            QTest::newRow(std::string(1, c).c_str()) << c << false;
    }
    void frappes() {
        QFETCH(char, touche);
        QFETCH(bool, connue);
        Banc banc;
        banc.taper("7");
        QCOMPARE(banc.calculatrice.frappe(touche), connue);
        if (!connue) QCOMPARE(banc.saisie(), QString("7"));
    }

    void rappelMemoire_data() {
        QTest::addColumn<double>("memoire");
        QTest::addColumn<bool>("scientifique");
        QTest::addColumn<QString>("texte");
        QTest::newRow("integer") << 42.0 << false << "42";
        QTest::newRow("negative") << -2.5 << false << "-2.5";
        QTest::newRow("small in exponent form") << 0.00001 << false << "1E-05";
        QTest::newRow("scientific") << 1234.5 << true << "1.2345E+03";
        QTest::newRow("scientific rounds to 8 digits") << 1.0 / 3.0 << true << "3.3333333E-01";
    }
    void rappelMemoire() {
        QFETCH(double, memoire);
        QFETCH(bool, scientifique);
        QFETCH(QString, texte);
        Banc banc;
        banc.memoire = memoire;
        banc.calculatrice.choisirAffichage(scientifique);
        banc.calculatrice.rappelerMemoire();
        QCOMPARE(banc.saisie(), texte);
        // What is recalled evaluates to the value it shows.
        banc.calculatrice.executer();
        QCOMPARE(valeurEnTete(banc.calculatrice.affichage()), valeurEnTete(texte.toStdString()));
    }
};

VEDO_TEST(TestCalculatrice);
#include "tst_calculatrice.moc"
