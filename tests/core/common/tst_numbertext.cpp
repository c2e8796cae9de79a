#include "TestRegistry.h"

#include "common/NumberText.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace vedo;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void general_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("integer") << 2.0 << "2";
        QTest::newRow("decimal comma") << 20.5 << "20,5";
        QTest::newRow("negative") << -1.5 << "-1,5";
        QTest::newRow("no trailing zeros") << 0.25 << "0,25";
        QTest::newRow("one tenth, fifteen digits") << 0.1 << "0,1";
        QTest::newRow("1E-4 stays fixed") << 1e-4 << "0,0001";
        QTest::newRow("below 1E-4 is exponent form") << 1.5e-5 << "1,5E-05";
        QTest::newRow("huge") << 1e20 << "1E+20";
        QTest::newRow("just below 1E15 fixed") << 999999999999999.0 << "999999999999999";
        QTest::newRow("1E15 exponent") << 1e15 << "1E+15";
        QTest::newRow("fifteen significant digits") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("two thirds rounds last digit") << 2.0 / 3.0 << "0,666666666666667";
        QTest::newRow("three-digit exponent") << 1.5e-300 << "1,5E-300";
        QTest::newRow("single widened shows its digits") << double(0.1f) << "0,100000001490116";
    }
    void general() {
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(texteGeneral(valeur)), texte);
    }

    void generalSingle_data() {
        QTest::addColumn<float>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("one tenth") << 0.1f << "0,1";
        QTest::newRow("seven digits") << 1.234567f << "1,234567";
        QTest::newRow("eighth digit rounded") << 1.2345678f << "1,234568";
        QTest::newRow("just below 1E7") << 9999999.0f << "9999999";
        QTest::newRow("1E7 exponent") << 1e7f << "1E+07";
        QTest::newRow("small") << 2e-5f << "2E-05";
        QTest::newRow("temperature caption") << 20.5f << "20,5";
    }
    void generalSingle() {
        QFETCH(float, valeur);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(texteGeneralSimple(valeur)), texte);
    }

    void patterns_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("texte");
        QTest::newRow("three digits, half away from zero") << 2.675 << "0.00E+00"
                                                           << "2,68E+00";
        QTest::newRow("three digits of zero") << 0.0 << "0.00E+00"
                                              << "0,00E+00";
        // 4.02 + 0.005 is 4.0249999999999995 in binary: its fifteen digits end in 5, its sixteen do not.
        QTest::newRow("three digits from the fifteen of the value") << 4.02 + 0.005 << "0.00E+00"
                                                                    << "4,03E+00";
        QTest::newRow("three digits carry") << 9.996 << "0.00E+00"
                                            << "1,00E+01";
        QTest::newRow("three digits small") << 0.000123456 << "0.00E+00"
                                            << "1,23E-04";
        QTest::newRow("three digits negative") << -0.5 << "0.00E+00"
                                               << "-5,00E-01";
        QTest::newRow("two digits") << 3.54 << "0.0E+00"
                                    << "3,5E+00";
        QTest::newRow("two digits carry") << 9.96 << "0.0E+00"
                                          << "1,0E+01";
        QTest::newRow("two digits small") << 0.0354 << "0.0E+00"
                                          << "3,5E-02";
        QTest::newRow("time one decimal") << 0.2 << "######0.0"
                                          << "0,2";
        QTest::newRow("time integer gets .0") << 10.0 << "######0.0"
                                              << "10,0";
        QTest::newRow("time zero") << 0.0 << "######0.0"
                                   << "0,0";
        QTest::newRow("time half away") << 0.25 << "######0.0"
                                        << "0,3";
        QTest::newRow("time below one tenth") << 0.04 << "######0.0"
                                              << "0,0";
        QTest::newRow("time one twentieth") << 0.05 << "######0.0"
                                            << "0,1";
        QTest::newRow("time carry") << 9.96 << "######0.0"
                                    << "10,0";
        QTest::newRow("integer") << 2.5 << "#0"
                                 << "3";
        QTest::newRow("integer of small") << 0.4 << "#0"
                                          << "0";
        QTest::newRow("integer beyond fifteen digits") << 1e15 << "#0"
                                                       << "1000000000000000";
        QTest::newRow("scientific keeps the point") << 5.0 << "#.#######E+00"
                                                    << "5,E+00";
        QTest::newRow("scientific of zero") << 0.0 << "#.#######E+00"
                                            << "0,E+00";
        QTest::newRow("scientific eight digits") << 123.456789 << "#.#######E+00"
                                                 << "1,2345679E+02";
        QTest::newRow("scientific negative exponent") << 0.00025 << "#.#######E+00"
                                                      << "2,5E-04";
    }
    void patterns() {
        QFETCH(double, valeur);
        QFETCH(QString, pattern);
        QFETCH(QString, texte);
        QCOMPARE(QString::fromStdString(texteFormat(valeur, pattern.toStdString())), texte);
    }

    void patternOfSingleUsesSevenDigits() {
        // 2.675f is 2.67499995...: its seven digits end in 5, its fifteen do not.
        QCOMPARE(QString::fromStdString(texteFormatSimple(2.675f, "0.00E+00")), QString("2,68E+00"));
        QCOMPARE(QString::fromStdString(texteFormat(double(2.675f), "0.00E+00")), QString("2,67E+00"));
        // 1.2349999f is 1.23499989...: seven digits give 1,235000, eight would give 1,2349999.
        QCOMPARE(QString::fromStdString(texteFormatSimple(1.2349999f, "0.00E+00")), QString("1,24E+00"));
    }

    void pointSeparator() {
        QCOMPARE(QString::fromStdString(texteFormat(5.0, "#.#######E+00", '.')), QString("5.E+00"));
        QCOMPARE(QString::fromStdString(texteGeneral(1.5e-5, '.')), QString("1.5E-05"));
    }

    void threeDigits_data() {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("amount 0.123456") << 0.123456 << "0,123";
        QTest::newRow("1.5 stays") << 1.5 << "1,5";
        QTest::newRow("2 stays") << 2.0 << "2";
        QTest::newRow("1.23456 typed") << 1.23456 << "1,23";
        QTest::newRow("two thirds") << 2.0 / 3.0 << "0,667";
        QTest::newRow("half up: fourth digit 5") << 0.1235 << "0,124";
        QTest::newRow("tiny in exponent form") << 1.234e-5 << "1,23E-05";
        QTest::newRow("large quotient") << 123456.0 << "123000";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void threeDigits() {
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        const auto t = texteTroisChiffres(valeur);
        QVERIFY(t.has_value());
        QCOMPARE(QString::fromStdString(*t), texte);
    }

    void threeDigitsBeyondSingle() {
        QVERIFY(!texteTroisChiffres(1e300).has_value());
        QVERIFY(!texteTroisChiffres(std::numeric_limits<double>::quiet_NaN()).has_value());
    }

    void readTyped_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<double>("valeur");
        QTest::newRow("comma") << "0,1" << true << 0.1;
        QTest::newRow("point") << "0.1" << true << 0.1;
        QTest::newRow("blanks around") << "  2,5 " << true << 2.5;
        QTest::newRow("no integer digit") << ",5" << true << 0.5;
        QTest::newRow("no decimal digit") << "3," << true << 3.0;
        QTest::newRow("exponent") << "1,5E-3" << true << 0.0015;
        QTest::newRow("sign") << "-2" << true << -2.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("only a comma") << "," << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << false << 0.0;
        QTest::newRow("letters after") << "1abc" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("infinity word") << "inf" << false << 0.0;
        QTest::newRow("out of range") << "1E999" << false << 0.0;
        QTest::newRow("too small is zero") << "1E-400" << true << 0.0;
    }
    void readTyped() {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        QFETCH(double, valeur);
        const auto lu = lireNombre(texte.toStdString());
        QCOMPARE(lu.has_value(), valide);
        if (valide) QCOMPARE(*lu, valeur);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::newRow("signed integer record") << " 2" << 2.0;
        QTest::newRow("minus one") << "-1" << -1.0;
        QTest::newRow("trailing junk") << "12abc" << 12.0;
        QTest::newRow("nothing numeric") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("point only decimal separator") << "3,5" << 3.0;
        QTest::newRow("decimal point") << "3.5" << 3.5;
        QTest::newRow("exponent") << "1E3x" << 1000.0;
        QTest::newRow("exponent without digits") << "7E" << 7.0;
        QTest::newRow("tab and blanks") << " \t 42" << 42.0;
        QTest::newRow("colour") << " 16711680" << 16711680.0;
        QTest::newRow("underflow reads zero") << "1E-400" << 0.0;
        // Out of range: infinite, so that the callers' checked conversions refuse it.
        QTest::newRow("out of range") << "9E999" << HUGE_VAL;
        QTest::newRow("negative out of range") << "-9E999" << -HUGE_VAL;
    }
    void leadingNumber() {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QCOMPARE(valeurEnTete(texte.toStdString()), valeur);
    }
};

VEDO_TEST(TestNumberText);
#include "tst_numbertext.moc"
