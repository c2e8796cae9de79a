#include "TestRegistry.h"

#include "calculator/Machine.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace vedo;

namespace {

// Clicks the controls named in `script`, separated by blanks, as a student would.
void cliquer(Machine& machine, const QString& script) {
    for (const QString& nom : script.split(' ', Qt::SkipEmptyParts)) {
        auto* bouton = machine.findChild<QAbstractButton*>(nom);
        QVERIFY2(bouton, qPrintable("no control " + nom));
        QTest::mouseClick(bouton, Qt::LeftButton);
    }
}

QString affichage(const Machine& machine) {
    return machine.findChild<QLineEdit*>("z1")->text();
}

} // namespace

class TestMachine : public QObject {
    Q_OBJECT
private slots:
    void touches_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("affiche");

        QTest::newRow("nothing typed") << ""
                                       << "";
        QTest::newRow("sum typed") << "B2 plus B3"
                                   << "2 + 3";
        QTest::newRow("sum evaluated, blank for the sign") << "B2 plus B3 EXE"
                                                           << " 5";
        QTest::newRow("sum in scientific display") << "C0 B2 plus B3 EXE"
                                                   << "5.E+00";
        QTest::newRow("scientific chosen after the result") << "B2 plus B3 EXE C0"
                                                            << "5.E+00";
        QTest::newRow("back to standard") << "B2 plus B3 EXE C0 C1"
                                          << " 5";
        QTest::newRow("negative result, no blank") << "B2 moins B5 EXE"
                                                   << "-3";
        QTest::newRow("ANS after a result") << "B2 plus B3 EXE ANS"
                                            << "5";
        QTest::newRow("ANS of a two-digit result") << "B9 plus B3 EXE ANS"
                                                   << "12";
        QTest::newRow("plus after a result continues it") << "B2 plus B3 EXE plus B1 EXE"
                                                          << " 6";
        QTest::newRow("times after a result continues it") << "B2 plus B3 EXE multip B2 EXE"
                                                           << " 10";
        QTest::newRow("minus after a result starts a number") << "B2 plus B3 EXE moins B1"
                                                              << "-1";
        QTest::newRow("minus after a result, evaluated") << "B2 plus B3 EXE moins B1 EXE"
                                                         << "-1";
        QTest::newRow("a digit after a result starts anew") << "B2 plus B3 EXE B7"
                                                            << "7";
        QTest::newRow("function after a digit gets a product") << "B2 bsin"
                                                               << "2 * sin ";
        QTest::newRow("parenthesis after a digit gets a product") << "B2 Bpo"
                                                                  << "2 * (";
        QTest::newRow("no product after an opening parenthesis") << "Bpo bsin"
                                                                 << "(sin ";
        QTest::newRow("no product after a minus") << "moins bsin"
                                                  << "-sin ";
        QTest::newRow("product after a closing parenthesis") << "Bpo B2 bpf Bcos"
                                                             << "(2) * cos ";
        QTest::newRow("exponent sign without blanks") << "B1 BtoEXP moins B3"
                                                      << "1E-3";
        QTest::newRow("exponent plus without blanks") << "B1 BtoEXP plus B3"
                                                      << "1E+3";
        QTest::newRow("minus after minus") << "B2 moins moins B3"
                                           << "2 - -3";
        QTest::newRow("subtracting a negative evaluated") << "B2 moins moins B3 EXE"
                                                          << " 5";
        QTest::newRow("kilo") << "B5 kilo"
                              << "5E+3";
        QTest::newRow("mega") << "B5 mega"
                              << "5E+6";
        QTest::newRow("giga evaluated") << "B5 giga EXE"
                                        << " 5000000000";
        QTest::newRow("tera evaluated") << "B5 tera EXE"
                                        << " 5000000000000";
        QTest::newRow("milli evaluated") << "B5 mil EXE"
                                         << " 0.005";
        QTest::newRow("micro") << "B2 micro"
                               << "2E-6";
        QTest::newRow("nano evaluated in exponent form") << "B2 nano EXE"
                                                         << " 2E-09";
        QTest::newRow("pico evaluated") << "B2 pico EXE"
                                        << " 2E-12";
        QTest::newRow("decimal point") << "B0 Bpoint B5 EXE"
                                       << " 0.5";
        QTest::newRow("sine in degrees") << "bsin B3 B0 EXE"
                                         << " 0.5";
        QTest::newRow("sine in radians") << "angle1 bsin B3 B0 EXE"
                                         << "-0.988031624092862";
        QTest::newRow("cosine") << "Bcos B6 B0 EXE"
                                << " 0.5";
        QTest::newRow("tangent") << "Btan B4 B5 EXE"
                                 << " 1";
        QTest::newRow("inverse sine") << "invsin B1 EXE"
                                      << " 90";
        QTest::newRow("inverse cosine in radians") << "angle1 invcos moins B1 EXE"
                                                   << " 3.14159265358979";
        QTest::newRow("inverse tangent") << "Btoncommande3 B1 EXE"
                                         << " 45";
        QTest::newRow("natural logarithm") << "Bln B1 EXE"
                                           << " 0";
        QTest::newRow("decimal logarithm") << "Blog B1 B0 B0 EXE"
                                           << " 2";
        QTest::newRow("exponential") << "Bexp B0 EXE"
                                     << " 1";
        QTest::newRow("ten to the power") << "B10x B3 EXE"
                                          << " 1000";
        QTest::newRow("square root") << "racine B9 EXE"
                                     << " 3";
        QTest::newRow("square after a result") << "B3 EXE btcarre EXE"
                                               << " 9";
        QTest::newRow("power key") << "B2 puissance B1 B0"
                                   << "2 ^ 10";
        QTest::newRow("power after a result") << "B3 EXE puissance B3 EXE"
                                              << " 27";
        QTest::newRow("inverse key") << "Command5 B4 EXE"
                                     << " 0.25";
        QTest::newRow("pi after a digit") << "B2 pi"
                                          << "2 * 3.14159265358979";
        QTest::newRow("erase a digit") << "B1 B2 EFFACE"
                                       << "1";
        QTest::newRow("erase a function word") << "B2 bsin EFFACE"
                                               << "2 * ";
        QTest::newRow("erase the product after it") << "B2 bsin EFFACE EFFACE"
                                                    << "2";
        QTest::newRow("erase an inverse function alone") << "invsin EFFACE"
                                                         << "";
        QTest::newRow("erase a word after a parenthesis") << "Bpo Bln EFFACE"
                                                          << "(";
        QTest::newRow("erase on an empty entry keeps the result") << "B4 EXE EFFACE"
                                                                  << " 4";
        QTest::newRow("all clear") << "B2 plus B3 RAZ"
                                   << "";
        QTest::newRow("parenthesis error") << "Bpo B2 plus B3 EXE"
                                           << "Erreur saisie: revoir les parenthèses";
        QTest::newRow("next key continues the entry") << "Bpo B2 plus B3 EXE bpf"
                                                      << "(2 + 3)";
        QTest::newRow("corrected entry evaluated") << "Bpo B2 plus B3 EXE bpf EXE"
                                                   << " 5";
        QTest::newRow("operator error") << "B2 multip multip B3 EXE"
                                        << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
        QTest::newRow("division by zero") << "B1 div B0 EXE"
                                          << "Calcul impossible";
        QTest::newRow("ANS after an error appends nothing") << "B1 div B0 EXE ANS"
                                                            << "1 / 0";
        QTest::newRow("plus on an empty display does nothing") << "plus"
                                                               << "";
        QTest::newRow("times on an empty display does nothing") << "multip div"
                                                                << "";
        QTest::newRow("power on an empty entry") << "puissance"
                                                 << " ^ ";
        QTest::newRow("memory recalled") << "B5 EXE Command1 RAZ Command3"
                                         << "5";
        QTest::newRow("memory added twice, subtracted once") << "B5 EXE Command1 Command1 Command2 Command3"
                                                             << "5";
        QTest::newRow("memory cleared") << "B5 EXE Command1 Command4 Command3"
                                        << "0";
        QTest::newRow("memory plus on an error adds 0")
            << "B7 EXE Command1 B1 div B0 EXE Command1 RAZ Command3"
            << "7";
        QTest::newRow("memory recalled in scientific display") << "B5 EXE Command1 C0 RAZ Command3"
                                                               << "5.E+00";
        QTest::newRow("memory keys leave the display") << "B5 EXE Command1 Command2 Command4"
                                                       << " 5";
    }
    void touches() {
        QFETCH(QString, script);
        QFETCH(QString, affiche);
        double memoire = 0.0;
        Machine machine(memoire);
        machine.show();
        cliquer(machine, script);
        QCOMPARE(affichage(machine), affiche);
        auto* z1 = machine.findChild<QLineEdit*>("z1");
        QCOMPARE(z1->cursorPosition(), affiche.size());
    }

    void clavier_data() {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<bool>("entree");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("sum") << "2+3" << false << "2 + 3";
        QTest::newRow("sum and Enter") << "2+3" << true << " 5";
        QTest::newRow("difference and Enter") << "2-5" << true << "-3";
        QTest::newRow("product and quotient") << "6*4/2" << true << " 12";
        // The quotient goes first and travels as 15-digit text: 4 / 3 is 1.33333333333333.
        QTest::newRow("quotient rounded before the product") << "6*4/3" << true << " 7.99999999999998";
        QTest::newRow("power") << "2^10" << true << " 1024";
        QTest::newRow("lower-case exponent") << "1e-3" << false << "1E-3";
        QTest::newRow("D exponent") << "2d3" << true << " 2000";
        QTest::newRow("parenthesis after a digit") << "2(3+1)" << true << " 8";
        QTest::newRow("decimal comma typed as the point") << "1/0,36" << false << "1 / 0.36";
        QTest::newRow("decimal comma and Enter") << "1/0,25" << true << " 4";
        QTest::newRow("other keys ignored") << "2xa3 " << false << "23";
        QTest::newRow("Enter with nothing typed") << "" << true << " 0";
    }
    void clavier() {
        QFETCH(QString, frappe);
        QFETCH(bool, entree);
        QFETCH(QString, affiche);
        double memoire = 0.0;
        Machine machine(memoire);
        machine.show();
        auto* z1 = machine.findChild<QLineEdit*>("z1");
        QTest::keyClicks(z1, frappe);
        if (entree) QTest::keyClick(z1, Qt::Key_Return);
        QCOMPARE(z1->text(), affiche);
    }

    void messagesEntiers_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("tient"); // the whole text shows
        QTest::addColumn<bool>("gras");  // bold down to 10 points
        QTest::newRow("nothing typed yet: already the display's font") << "" << true << true;
        QTest::newRow("parentheses") << "Bpo B2 EXE" << true << true;
        QTest::newRow("operators") << "B2 multip multip B3 EXE" << true << false;
        QTest::newRow("waiting message length") << "B1 div B0 EXE" << true << true;
        QTest::newRow("38 digits: 10 points, still bold") << QString("B1 ").repeated(38).trimmed() << true << true;
        QTest::newRow("44 digits: 9 points, thin") << QString("B1 ").repeated(44).trimmed() << true << false;
        QTest::newRow("entry too long even at 7 points: it scrolls")
            << QString("B1 ").repeated(80).trimmed() << false << false;
    }
    // The longest texts shrink the display's font, down to 7 points, instead of being cut.
    void messagesEntiers() {
        QFETCH(QString, script);
        QFETCH(bool, tient);
        QFETCH(bool, gras);
        double memoire = 0.0;
        Machine machine(memoire);
        machine.show();
        cliquer(machine, script);
        const auto* z1 = machine.findChild<QLineEdit*>("z1");
        QCOMPARE(QFontMetrics(z1->font()).horizontalAdvance(z1->text()) <= z1->contentsRect().width(), tient);
        QVERIFY(z1->font().pointSize() >= 7);
        if (!tient) QCOMPARE(z1->font().pointSize(), 7);
        QCOMPARE(z1->font().bold(), gras);
    }

    void retourArriereAuClavier() {
        double memoire = 0.0;
        Machine machine(memoire);
        machine.show();
        auto* z1 = machine.findChild<QLineEdit*>("z1");
        QTest::keyClicks(z1, "2+3");
        QTest::keyClick(z1, Qt::Key_Backspace);
        QCOMPARE(z1->text(), QString("2 + "));
        QTest::keyClick(z1, Qt::Key_Backspace);
        QCOMPARE(z1->text(), QString("2"));
        // Keys typed while the focus is elsewhere in the window count too.
        QTest::keyClick(&machine, Qt::Key_Plus);
        QTest::keyClick(&machine, Qt::Key_4);
        QTest::keyClick(&machine, Qt::Key_Enter);
        QCOMPARE(z1->text(), QString(" 6"));
    }

    void memoirePartageeEntreOuvertures() {
        double memoire = 0.0;
        {
            Machine premiere(memoire);
            cliquer(premiere, "B4 B2 EXE Command1");
        }
        QCOMPARE(memoire, 42.0);
        Machine seconde(memoire);
        cliquer(seconde, "B2 plus Command3 EXE");
        QCOMPARE(affichage(seconde), QString(" 44"));
    }

    void legendes_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("infoBulle");
        const QString aucune;
        QTest::newRow("digit 0") << "B0"
                                 << "0" << aucune;
        QTest::newRow("digit 9") << "B9"
                                 << "9" << aucune;
        QTest::newRow("point") << "Bpoint"
                               << "." << aucune;
        QTest::newRow("exponent") << "BtoEXP"
                                  << "EXP" << aucune;
        QTest::newRow("kilo") << "kilo"
                              << "k"
                              << "kilo";
        QTest::newRow("mega") << "mega"
                              << "M"
                              << "Méga";
        QTest::newRow("giga") << "giga"
                              << "G"
                              << "Giga";
        QTest::newRow("tera") << "tera"
                              << "T"
                              << "Téra";
        QTest::newRow("milli") << "mil"
                               << "m"
                               << "milli";
        QTest::newRow("micro") << "micro"
                               << "µ"
                               << "micro";
        QTest::newRow("nano") << "nano"
                              << "n"
                              << "nano";
        QTest::newRow("pico") << "pico"
                              << "p"
                              << "pico";
        QTest::newRow("plus") << "plus"
                              << "+" << aucune;
        QTest::newRow("minus") << "moins"
                               << "-" << aucune;
        QTest::newRow("times") << "multip"
                               << "×" << aucune;
        QTest::newRow("divided by") << "div"
                                    << "÷" << aucune;
        QTest::newRow("power") << "puissance"
                               << "xʸ" << aucune;
        QTest::newRow("square") << "btcarre"
                                << "x²" << aucune;
        QTest::newRow("opening parenthesis") << "Bpo"
                                             << "(" << aucune;
        QTest::newRow("closing parenthesis") << "bpf"
                                             << ")" << aucune;
        QTest::newRow("sine") << "bsin"
                              << "&SIN"
                              << "Sinus";
        QTest::newRow("cosine") << "Bcos"
                                << "&COS"
                                << "Cosinus";
        QTest::newRow("tangent") << "Btan"
                                 << "&TAN"
                                 << "Tangente";
        QTest::newRow("inverse sine") << "invsin"
                                      << "INV S&IN"
                                      << "Inverse sinus";
        QTest::newRow("inverse cosine") << "invcos"
                                        << "INV C&OS"
                                        << "Inverse cosinus";
        QTest::newRow("inverse tangent") << "Btoncommande3"
                                         << "INV T&AN"
                                         << "Inverse tangente";
        QTest::newRow("natural logarithm") << "Bln"
                                           << "l&n" << aucune;
        QTest::newRow("decimal logarithm") << "Blog"
                                           << "&Log" << aucune;
        QTest::newRow("exponential") << "Bexp"
                                     << "eˣ" << aucune;
        QTest::newRow("ten to the power") << "B10x"
                                          << "10ˣ" << aucune;
        QTest::newRow("square root") << "racine"
                                     << "√"
                                     << "Racine carré";
        QTest::newRow("inverse") << "Command5"
                                 << "1/x"
                                 << "Inverse";
        QTest::newRow("pi") << "pi"
                            << "π" << aucune;
        QTest::newRow("last answer") << "ANS"
                                     << "ANS"
                                     << "Dernière réponse";
        QTest::newRow("evaluate") << "EXE"
                                  << "EXE"
                                  << "Calculer";
        QTest::newRow("erase backwards") << "EFFACE"
                                         << "←"
                                         << "Effacer dernier caractère";
        QTest::newRow("all clear") << "RAZ"
                                   << "AC"
                                   << "Tout effacer";
        QTest::newRow("memory plus") << "Command1"
                                     << "M+"
                                     << "Ajouter à la mémoire";
        QTest::newRow("memory minus") << "Command2"
                                      << "M-"
                                      << "Soustraire à la mémoire";
        QTest::newRow("memory recall") << "Command3"
                                       << "RM"
                                       << "Rappel mémoire";
        QTest::newRow("memory clear") << "Command4"
                                      << "CM"
                                      << "Effacer la mémoire";
    }
    void legendes() {
        QFETCH(QString, nom);
        QFETCH(QString, legende);
        QFETCH(QString, infoBulle);
        double memoire = 0.0;
        Machine machine(memoire);
        const auto* bouton = machine.findChild<QPushButton*>(nom);
        QVERIFY(bouton);
        QCOMPARE(bouton->text(), legende);
        QCOMPARE(bouton->toolTip(), infoBulle);
        QVERIFY(QRect(0, 0, Machine::largeur, Machine::hauteur).contains(bouton->geometry()));
    }

    void disposition() {
        double memoire = 0.0;
        Machine machine(memoire);
        QCOMPARE(machine.windowTitle(), QString("Machine à calculer"));
        QCOMPARE(machine.size(), QSize(302, 431));
        QVERIFY(machine.isModal());
        QCOMPARE(machine.findChild<QRadioButton*>("angle0")->text(), QString("Degrés"));
        QCOMPARE(machine.findChild<QRadioButton*>("angle1")->text(), QString("Radians"));
        QCOMPARE(machine.findChild<QRadioButton*>("C0")->text(), QString("Scientifique"));
        QCOMPARE(machine.findChild<QRadioButton*>("C1")->text(), QString("Standard"));
        QVERIFY(machine.findChild<QRadioButton*>("angle0")->isChecked());
        QVERIFY(machine.findChild<QRadioButton*>("C1")->isChecked());
        // Numbers stand against the right edge, as on a calculator.
        QCOMPARE(machine.findChild<QLineEdit*>("z1")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QStringList cadres;
        for (const auto* cadre : machine.findChildren<QGroupBox*>())
            cadres << cadre->title();
        cadres.sort();
        QCOMPARE(cadres, (QStringList{"Affichage", "Angles"}));

        const auto boutons = machine.findChildren<QPushButton*>();
        QCOMPARE(boutons.size(), 49);
        // Enter is "EXE" only: no key may act as the dialog's default button.
        // The display keeps the focus: no key takes it.
        for (const auto* a : boutons) {
            QVERIFY(!a->autoDefault());
            QCOMPARE(a->focusPolicy(), Qt::NoFocus);
        }
        // Keys, frames and display side by side, none over another.
        const auto enfants = machine.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const auto* a : enfants)
            for (const auto* b : enfants)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " overlaps " + b->objectName()));
        const QRect zoneEncadree(QPoint(82, 290), QPoint(206, 421));
        for (const char* nom : {"B0", "B1", "B5", "B9", "Bpoint", "BtoEXP"})
            QVERIFY(zoneEncadree.contains(machine.findChild<QPushButton*>(nom)->geometry()));
    }

    // The places of the keys, frames and display are the window's design:
    // approved once, they are kept in data/disposition-machine.txt. A change
    // of layout fails here and writes the new places beside the temporary
    // files, to look at and copy over the approved ones.
    void dispositionApprouvee() {
        double memoire = 0.0;
        Machine machine(memoire);
        machine.show(); // the frames place their buttons
        QStringList places;
        for (const auto* w : machine.findChildren<QWidget*>()) {
            const auto* cadre = qobject_cast<const QGroupBox*>(w);
            const QString nom = cadre ? cadre->title() : w->objectName();
            if (!nom.isEmpty() && !nom.startsWith("qt_"))
                places << QString("%1 %2 %3 %4 %5")
                              .arg(nom)
                              .arg(w->x())
                              .arg(w->y())
                              .arg(w->width())
                              .arg(w->height());
        }
        places.sort();
        const QString obtenues = places.join('\n') + '\n';
        QFile approuvees(VEDO_TEST_DATA "/disposition-machine.txt");
        QVERIFY(approuvees.open(QIODevice::ReadOnly | QIODevice::Text));
        if (QString::fromUtf8(approuvees.readAll()) != obtenues) {
            QFile copie(QDir::temp().filePath("disposition-machine.txt"));
            QVERIFY(copie.open(QIODevice::WriteOnly | QIODevice::Text));
            copie.write(obtenues.toUtf8());
            QFAIL(qPrintable("the layout differs from the approved one; new places in " + copie.fileName()));
        }
    }

    void fond_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        QTest::newRow("gradient at the left") << QPoint(0, 200) << QColor(200, 250, 250);
        QTest::newRow("gradient at the right") << QPoint(301, 200) << QColor(50, 100, 100);
        QTest::newRow("gradient halfway, half rounded to even") << QPoint(151, 280) << QColor(124, 174, 174);
        QTest::newRow("black top edge") << QPoint(150, 1) << QColor(Qt::black);
        QTest::newRow("black top edge to its right end") << QPoint(299, 1) << QColor(Qt::black);
        QTest::newRow("black left edge") << QPoint(1, 200) << QColor(Qt::black);
        QTest::newRow("white right edge") << QPoint(299, 200) << QColor(Qt::white);
        QTest::newRow("white bottom edge") << QPoint(150, 428) << QColor(Qt::white);
        QTest::newRow("white bottom left corner, the black edge above it") << QPoint(1, 428) << QColor(Qt::white);
        QTest::newRow("gradient above the frame") << QPoint(150, 0) << QColor(125, 175, 175);
        QTest::newRow("gradient left of the black top edge") << QPoint(0, 1) << QColor(200, 250, 250);
        QTest::newRow("gradient right of the black top edge") << QPoint(300, 1) << QColor(50, 100, 100);
        QTest::newRow("gradient under the black top edge") << QPoint(150, 2) << QColor(125, 175, 175);
        QTest::newRow("gradient right of the frame") << QPoint(300, 200) << QColor(50, 100, 100);
        QTest::newRow("gradient under the frame") << QPoint(150, 429) << QColor(125, 175, 175);
        QTest::newRow("framed area, white") << QPoint(206, 350) << QColor(Qt::white);
        QTest::newRow("framed area, white left") << QPoint(82, 350) << QColor(Qt::white);
        QTest::newRow("framed area, teal") << QPoint(81, 350) << QColor(0, 128, 128);
        QTest::newRow("framed area, teal top") << QPoint(120, 289) << QColor(0, 128, 128);
    }
    void fond() {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        double memoire = 0.0;
        Machine machine(memoire);
        const QImage image = machine.grab().toImage();
        QCOMPARE(image.pixelColor(point), couleur);
    }
};

VEDO_TEST(TestMachine);
#include "tst_machine.moc"
