#include "TestRegistry.h"

#include "evaluator/Evaluateur.h"

#include <QtTest>

#include <random>

using namespace vedo;

Q_DECLARE_METATYPE(vedo::ModeAngle)
Q_DECLARE_METATYPE(vedo::CodeErreur)

namespace {

constexpr auto degres = ModeAngle::degres;
constexpr auto radians = ModeAngle::radians;
constexpr auto succes = CodeErreur::aucune;

std::string imbrique(const std::string& avant, const std::string& centre, const std::string& apres, int n) {
    std::string texte;
    for (int i = 0; i < n; ++i)
        texte += avant;
    texte += centre;
    for (int i = 0; i < n; ++i)
        texte += apres;
    return texte;
}

std::string repete(const std::string& motif, int n, const std::string& debut = {}) {
    std::string texte = debut;
    for (int i = 0; i < n; ++i)
        texte += motif;
    return texte;
}

} // namespace

class TestEvaluateur : public QObject {
    Q_OBJECT
private slots:
    void resultats_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<ModeAngle>("mode");
        QTest::addColumn<CodeErreur>("erreur");
        QTest::addColumn<QString>("resultat"); // checked on success only

        QTest::newRow("sum") << "2+3" << degres << succes << "5";
        QTest::newRow("product before sum") << "2+3*4" << degres << succes << "14";
        QTest::newRow("double minus") << "--5" << degres << succes << "5";
        QTest::newRow("plus minus") << "+-5" << degres << succes << "-5";
        QTest::newRow("minus plus") << "-+5" << degres << succes << "-5";
        QTest::newRow("leading plus dropped") << "+5" << degres << succes << "5";
        QTest::newRow("parenthesised negative") << "(-3)" << degres << succes << "-3";
        QTest::newRow("sine of 30 degrees") << "SIN(30)" << degres << succes << "0.5";
        QTest::newRow("sine as the keys type it") << "sin 30" << degres << succes << "0.5";
        QTest::newRow("sine of 30 radians") << "SIN(30)" << radians << succes << "-0.988031624092862";
        QTest::newRow("cosine of 60 degrees") << "COS(60)" << degres << succes << "0.5";
        QTest::newRow("tangent of 45 degrees") << "TAN(45)" << degres << succes << "1";
        QTest::newRow("logarithm of a group") << "LN(2+3)" << degres << succes << "1.6094379124341";
        QTest::newRow("decimal logarithm") << "LOG(1000)" << degres << succes << "3";
        QTest::newRow("exponential") << "EXP(1)" << degres << succes << "2.71828182845905";
        QTest::newRow("square root") << "SQR(16)" << degres << succes << "4";
        QTest::newRow("square root symbol") << "ù16" << degres << succes << "4";
        QTest::newRow("argument starting with its point") << "SQR.25" << degres << succes << "0.5";
        QTest::newRow("inverse sine of 1 in degrees") << "INVSIN1" << degres << succes << "90";
        QTest::newRow("inverse cosine of -1 in radians")
            << "INVCOS-1" << radians << succes << "3.14159265358979";
        QTest::newRow("inverse sine of -1 in radians")
            << "invSIN -1" << radians << succes << "-1.5707963267949";
        QTest::newRow("inverse sine of a half") << "invSIN 0.5" << degres << succes << "30";
        QTest::newRow("inverse sine of minus a half") << "invSIN -0.5" << degres << succes << "-30";
        QTest::newRow("inverse cosine of a half") << "invCOS 0.5" << degres << succes << "60";
        QTest::newRow("inverse tangent of 1") << "invTAN 1" << degres << succes << "45";
        QTest::newRow("function of a function") << "LN(EXP(2))" << degres << succes << "2";
        QTest::newRow("function inside a product") << "2*SIN(30)+1" << degres << succes << "2";
        QTest::newRow("function result rounded to 15 digits, then squared")
            << "SIN(30)^2" << degres << succes << "0.25";
        QTest::newRow("function binds tighter than power") << "SQR 4^3" << degres << succes << "8";
        QTest::newRow("exponent kept apart from plus") << "1E-5+1" << degres << succes << "1.00001";
        QTest::newRow("D exponent") << "1D3+1" << degres << succes << "1001";
        QTest::newRow("power is left-associative") << "2^3^2" << degres << succes << "64";
        QTest::newRow("sign binds tighter than power") << "-2^2" << degres << succes << "4";
        QTest::newRow("negative exponent") << "2^-2" << degres << succes << "0.25";
        QTest::newRow("subtraction before addition") << "5-3+2" << degres << succes << "4";
        QTest::newRow("addition after a subtraction") << "1+2-3" << degres << succes << "0";
        QTest::newRow("subtractions left to right") << "10-2-3" << degres << succes << "5";
        QTest::newRow("division before multiplication") << "8/4*2" << degres << succes << "4";
        QTest::newRow("power before product") << "2*3^2" << degres << succes << "18";
        QTest::newRow("subtracting a negative") << "2--3" << degres << succes << "5";
        QTest::newRow("product of negatives") << "-3*-3" << degres << succes << "9";
        QTest::newRow("two groups") << "(2+3)*(4-1)" << degres << succes << "15";
        QTest::newRow("group result negative") << "2-(1-4)" << degres << succes << "5";
        QTest::newRow("minus a group of two operations") << "-(2*3+1)" << degres << succes << "-7";
        QTest::newRow("nested groups") << "((((1+1)*2)+1)*2)" << degres << succes << "10";
        QTest::newRow("doubled parentheses around a sum") << "((2+3))" << degres << succes << "5";
        QTest::newRow("deeply nested parentheses")
            << QString::fromStdString(imbrique("(", "2+3", ")", 60)) << degres << succes << "5";
        QTest::newRow("one third, 15 digits") << "1/3" << degres << succes << "0.333333333333333";
        QTest::newRow("two thirds rounded") << "2/3" << degres << succes << "0.666666666666667";
        QTest::newRow("small result in exponent form") << "0.00001*1" << degres << succes << "1E-05";
        QTest::newRow("1E-4 stays fixed") << "0.0001*1" << degres << succes << "0.0001";
        QTest::newRow("1E15 in exponent form") << "999999999999999+1" << degres << succes << "1E+15";
        QTest::newRow("exponent form read back") << "1.5E+20*2" << degres << succes << "3E+20";
        QTest::newRow("a number alone is left as typed") << "1E-5" << degres << succes << "1E-5";
        QTest::newRow("letters only read as a number later") << "ABC" << degres << succes << "ABC";
        QTest::newRow("empty entry") << "" << degres << succes << "";
        QTest::newRow("100 nested functions need 100 passes")
            << QString::fromStdString(imbrique("SIN(", "0", ")", 100)) << degres << succes << "0";

        QTest::newRow("missing closing parenthesis") << "2*(3" << degres << CodeErreur::parentheses << "";
        QTest::newRow("missing opening parenthesis") << "2*3)" << degres << CodeErreur::parentheses << "";
        QTest::newRow("unclosed group") << "(2+3" << degres << CodeErreur::parentheses << "";
        QTest::newRow("parentheses win over operators") << "(2*" << degres << CodeErreur::parentheses << "";
        QTest::newRow("doubled product") << "2**3" << degres << CodeErreur::operateurs << "";
        QTest::newRow("product then plus") << "2*+3" << degres << CodeErreur::operateurs << "";
        QTest::newRow("power with nothing after") << "2^" << degres << CodeErreur::operateurs << "";
        QTest::newRow("division with nothing after") << "2/" << degres << CodeErreur::operateurs << "";
        QTest::newRow("division then product") << "2/*3" << degres << CodeErreur::operateurs << "";

        const auto impossible = CodeErreur::calculImpossible;
        QTest::newRow("square root of a negative") << "SQR-4" << degres << impossible << "";
        QTest::newRow("division by zero") << "1/0" << degres << impossible << "";
        QTest::newRow("zero by zero") << "0/0" << degres << impossible << "";
        QTest::newRow("division by a group worth zero") << "1/(1-1)" << degres << impossible << "";
        QTest::newRow("huge power") << "10^400" << degres << impossible << "";
        QTest::newRow("left-associative powers overflow") << "10^10^40" << degres << impossible << "";
        QTest::newRow("product beyond the range") << "1E308*10" << degres << impossible << "";
        QTest::newRow("zero to a negative power") << "0^-1" << degres << impossible << "";
        QTest::newRow("root of a negative by a power") << "(-8)^(1/3)" << degres << impossible << "";
        QTest::newRow("sign bound to the base of a root") << "-2^0.5" << degres << impossible << "";
        QTest::newRow("logarithm of zero") << "LN0" << degres << impossible << "";
        QTest::newRow("decimal logarithm of a negative") << "LOG-1" << degres << impossible << "";
        QTest::newRow("inverse sine beyond 1") << "INVSIN2" << degres << impossible << "";
        QTest::newRow("inverse cosine below -1") << "INVCOS-1.5" << radians << impossible << "";
        QTest::newRow("exponential overflow") << "EXP(1000)" << degres << impossible << "";
        QTest::newRow("operand beyond the range") << "1E400+1" << degres << impossible << "";
        QTest::newRow("function alone") << "SIN" << degres << impossible << "";
        QTest::newRow("function of a group holding only a function")
            << "SIN(COS)" << degres << impossible << "";
        QTest::newRow("closing before opening") << "2)+(3" << degres << impossible << "";
        // Letters F to Y mark a function inside a group, which then waits for it.
        QTest::newRow("a group holding F waits for a function") << "(F)" << degres << impossible << "";
        QTest::newRow("a group holding Y waits for a function") << "(Y)" << degres << impossible << "";
        QTest::newRow("101 nested functions exceed the passes")
            << QString::fromStdString(imbrique("SIN(", "0", ")", 101)) << degres << impossible << "";
        // 100 nested take every pass: the function before them is worked out
        // in the last one, right after its argument.
        QTest::newRow("a function before 100 nested ones, within the passes")
            << QString::fromStdString("SIN " + imbrique("SIN(", "0", ")", 100)) << degres << succes << "0";
    }
    void resultats() {
        QFETCH(QString, expression);
        QFETCH(ModeAngle, mode);
        QFETCH(CodeErreur, erreur);
        QFETCH(QString, resultat);
        std::string texte = expression.toStdString();
        QCOMPARE(evaluer(texte, mode), erreur);
        if (erreur == succes) QCOMPARE(QString::fromStdString(texte), resultat);
    }

    // The display test, asked at each place the operators' walk reaches: a
    // display emptied during the computation stops the rewriting, which then
    // runs out of passes, one question each.
    void affichageVideArrete_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("affichagePlein");
        QTest::addColumn<CodeErreur>("erreur");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("display emptied: 100 passes stopped at once")
            << "2+3" << false << CodeErreur::calculImpossible << 100 << " 2 + 3 ";
        // " 2 * 3 ": places 2 to 6 for "^" and for "/", then place 2 holds the
        // only operator; nothing is walked after it.
        QTest::newRow("display kept: 5 + 5 + 1 places") << "2*3" << true << succes << 11 << "6";
    }
    void affichageVideArrete() {
        QFETCH(QString, expression);
        QFETCH(bool, affichagePlein);
        QFETCH(CodeErreur, erreur);
        QFETCH(int, questions);
        QFETCH(QString, resultat);
        std::string texte = expression.toStdString();
        int posees = 0;
        const auto affichage = [&] {
            ++posees;
            return affichagePlein;
        };
        QCOMPARE(evaluer(texte, degres, affichage), erreur);
        QCOMPARE(posees, questions);
        QCOMPARE(QString::fromStdString(texte), resultat);
    }

    void longueEntreeCalculee() {
        std::string texte = repete("+1", 49'999, "1");
        QCOMPARE(texte.size(), std::size_t(99'999));
        QCOMPARE(evaluer(texte, degres), succes);
        QCOMPARE(QString::fromStdString(texte), "50000");
    }

    void travailBorne_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<CodeErreur>("erreur");
        QTest::addColumn<QString>("resultat"); // checked on success only
        // Reducing the groups one at a time rescans the whole entry each time:
        // these exceed the work allowed and end in error 1 ("Calcul impossible").
        const auto impossible = CodeErreur::calculImpossible;
        QTest::newRow("parentheses nested 50000 deep")
            << QString::fromStdString(imbrique("(", "1", ")", 50'000)) << impossible << "";
        QTest::newRow("50000 groups") << QString::fromStdString(repete("+(1+1)", 16'000, "0")) << impossible << "";
        QTest::newRow("functions waiting on groups")
            << QString::fromStdString(repete("+SIN(1+1)", 11'000, "0")) << impossible << "";
        // Pairs of signs fold into one as the entry is rewritten: an even run of minus signs is a plus.
        QTest::newRow("100000 minus signs") << QString::fromStdString(repete("-", 100'000) + "1") << succes << "1";
    }
    // A pathological entry is answered instead of running for minutes; the
    // bound itself is measured in bench/.
    void travailBorne() {
        QFETCH(QString, expression);
        QFETCH(CodeErreur, erreur);
        QFETCH(QString, resultat);
        std::string texte = expression.toStdString();
        QCOMPARE(evaluer(texte, degres), erreur);
        if (erreur == succes) QCOMPARE(QString::fromStdString(texte), resultat);
        std::string court = "((((1+1))))";
        QCOMPARE(evaluer(court, degres, {}, 50), CodeErreur::calculImpossible);
        // The work allowed is spent to its last unit, not beyond.
        BudgetCalcul budget(3);
        budget.depenser(3);
        QVERIFY_THROWS_EXCEPTION(EchecCalcul, budget.depenser(1));
    }

    void textesHostiles_data() {
        QTest::addColumn<QString>("expression");
        QTest::newRow("only operators") << "+-*/^+-*/^";
        QTest::newRow("only opening parentheses") << QString(500, '(');
        QTest::newRow("only closing parentheses") << QString(500, ')');
        QTest::newRow("reversed parentheses") << ")(";
        QTest::newRow("empty group") << "()";
        QTest::newRow("sign alone in a group") << "(-)";
        QTest::newRow("function of nothing") << "SIN()";
        QTest::newRow("function of a sign") << "SIN(-)";
        QTest::newRow("INV alone") << "INV";
        QTest::newRow("INV then a digit") << "INV5";
        QTest::newRow("LN alone") << "LN";
        QTest::newRow("points only") << ".....";
        QTest::newRow("exponents only") << "E E E D";
        QTest::newRow("exponent without digits") << "1E+";
        QTest::newRow("huge exponent") << "1E99999";
        QTest::newRow("tiny exponent") << "1E-99999*2";
        QTest::newRow("unknown letters with operators") << "XYZ+QWE*RTY";
        QTest::newRow("accents and symbols") << "é€µ°§+ùù";
        QTest::newRow("tabs and new lines") << "2\t+\n3";
        QTest::newRow("long run of minus signs") << QString(5000, '-');
        QTest::newRow("long chain of powers") << QString::fromStdString(repete("^2", 2000, "2"));
        QTest::newRow("long chain of functions") << QString::fromStdString(repete("EXP", 3000) + "1");
        QTest::newRow("nested exponentials") << "EXP(EXP(EXP(10)))";
        QTest::newRow("tangent at 90 degrees") << "TAN(90)";
    }
    void textesHostiles() {
        QFETCH(QString, expression);
        std::string texte = expression.toStdString();
        verifierReponseSensee(texte);
    }

    void textesAleatoires_data() {
        QTest::addColumn<QString>("alphabet");
        QTest::addColumn<int>("longueurMax");
        QTest::newRow("digits and operators") << "0123456789.+-*/^ " << 40;
        QTest::newRow("parentheses and signs") << "()+-12." << 30;
        QTest::newRow("functions and exponents") << "SINCOTAGLQRVXPDE(12-.)" << 40;
        QTest::newRow("every character the entry can hold") << "0123456789.+-*/^()ESINCOTALGQRVXDù " << 80;
    }
    void textesAleatoires() {
        QFETCH(QString, alphabet);
        QFETCH(int, longueurMax);
        const std::string lettres = alphabet.toStdString();
        std::mt19937 hasard(12345);
        std::uniform_int_distribution<std::size_t> choix(0, lettres.size() - 1);
        std::uniform_int_distribution<int> longueur(0, longueurMax);
        for (int essai = 0; essai < 1500; ++essai) {
            std::string texte;
            for (int n = longueur(hasard); n > 0; --n)
                texte += lettres[choix(hasard)];
            verifierReponseSensee(texte);
        }
    }

private:
    // Whatever the entry, a code from 0 to 3 and, on success, one word
    // without a blank and without an infinity or a NaN.
    static void verifierReponseSensee(std::string texte) {
        const std::string entree = texte;
        const auto erreur = evaluer(texte, degres);
        const auto code = static_cast<int>(erreur);
        QVERIFY2(code >= 0 && code <= 3, entree.c_str());
        if (erreur != succes) return;
        QVERIFY2(texte.find(' ') == std::string::npos, entree.c_str());
        const QString resultat = QString::fromStdString(texte).toLower();
        QVERIFY2(!resultat.contains("nan") && !resultat.contains("inf"), entree.c_str());
    }
};

VEDO_TEST(TestEvaluateur);
#include "tst_evaluateur.moc"
