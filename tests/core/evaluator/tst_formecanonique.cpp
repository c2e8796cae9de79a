#include "TestRegistry.h"

#include "evaluator/FormeCanonique.h"

#include <QtTest>

using namespace vedo;

class TestFormeCanonique : public QObject {
    Q_OBJECT
private slots:
    void normaliser_data() {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("forme");
        QTest::newRow("worked example") << "2+3*4"
                                        << " 2 + 3 * 4 ";
        QTest::newRow("upper case and blanks removed") << "2 * sin 30"
                                                       << " 2 * SIN 30 ";
        QTest::newRow("function call through its spaced token") << "SIN(30)"
                                                                << " SIN 30 ";
        QTest::newRow("parenthesised negative unwrapped") << "(-3)"
                                                          << " -3 ";
        QTest::newRow("parenthesised decimal unwrapped") << "(-2.5)"
                                                         << " -2.5 ";
        QTest::newRow("parenthesised plus sign unwrapped, then dropped") << "(+2)"
                                                                         << " 2 ";
        QTest::newRow("parenthesised exponent form stays") << "(1E-05)"
                                                           << " (1E-05) ";
        QTest::newRow("empty parentheses stay") << "()"
                                                << " () ";
        QTest::newRow("nested plain number unwrapped layer by layer") << "(((7)))"
                                                                      << " 7 ";
        QTest::newRow("double minus is plus") << "--5"
                                              << " 5 ";
        QTest::newRow("plus minus is minus") << "+-5"
                                             << " -5 ";
        QTest::newRow("minus plus is minus") << "-+5"
                                             << " -5 ";
        QTest::newRow("three minuses") << "---5"
                                       << " -5 ";
        QTest::newRow("subtracting a negative") << "2--3"
                                                << " 2 + 3 ";
        QTest::newRow("blanks between the signs of a pair") << "2 - - 3"
                                                            << " 2 + 3 ";
        QTest::newRow("a pair of signs that ends the entry") << "2--"
                                                             << " 2 +  ";
        QTest::newRow("parenthesised 9 unwrapped") << "(9)"
                                                   << " 9 ";
        QTest::newRow("unwrapping makes a sign pair") << "2*(3-(-1))"
                                                      << " 2 * (3 + 1) ";
        QTest::newRow("natural log spelt LON") << "LN(2+3)"
                                               << " LON (2 + 3) ";
        QTest::newRow("inverse sine token") << "INVSIN1"
                                            << " ISI 1 ";
        QTest::newRow("inverse cosine as the keys type it") << "invCOS -1"
                                                            << " ICO -1 ";
        QTest::newRow("inverse tangent") << "invTAN 1"
                                         << " ITA 1 ";
        QTest::newRow("square root symbol") << "ù9"
                                            << " SQR 9 ";
        QTest::newRow("exponent sign stays on its number") << "1E-5+1"
                                                           << " 1E-5 + 1 ";
        QTest::newRow("D exponent sign stays too") << "1D+3-2"
                                                   << " 1D+3 - 2 ";
        QTest::newRow("negative exponent of a power") << "2^-2"
                                                      << " 2 ^ -2 ";
        QTest::newRow("leading sign belongs to the number") << "-2^2"
                                                            << " -2 ^ 2 ";
        QTest::newRow("sign after an operator") << "2*-3"
                                                << " 2 * -3 ";
        QTest::newRow("sign after an opening parenthesis") << "2*(-3+1)"
                                                           << " 2 * (-3 + 1) ";
        QTest::newRow("doubled operator keeps both") << "2**3"
                                                     << " 2 *  * 3 ";
        QTest::newRow("empty entry") << ""
                                     << "  ";
    }
    void normaliser() {
        QFETCH(QString, saisie);
        QFETCH(QString, forme);
        std::string texte = saisie.toStdString();
        BudgetCalcul budget;
        vedo::normaliser(texte, budget);
        QCOMPARE(QString::fromStdString(texte), forme);
        vedo::normaliser(texte, budget);
        QCOMPARE(QString::fromStdString(texte), forme); // a canonical text stays as it is
    }

    void jetons_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("jeton");
        for (const char* jeton : {"SQR", "SIN", "COS", "LOG", "TAN", "ISI", "EXP", "ITA", "ICO", "LON"})
            QTest::newRow(jeton) << jeton << true;
        QTest::newRow("LN is typed, not a token") << "LN " << false;
        QTest::newRow("INV is typed, not a token") << "INV" << false;
        QTest::newRow("lower case") << "sin" << false;
    }
    void jetons() {
        QFETCH(QString, texte);
        QFETCH(bool, jeton);
        QCOMPARE(estJetonFonction(texte.toStdString()), jeton);
    }

    void travailBorne() {
        std::string texte(200, '(');
        texte += "1" + std::string(200, ')');
        BudgetCalcul budget(1000);
        QVERIFY_THROWS_EXCEPTION(EchecCalcul, vedo::normaliser(texte, budget));
    }
};

VEDO_TEST(TestFormeCanonique);
#include "tst_formecanonique.moc"
