#include "TestRegistry.h"

#include "CliRunner.h"
#include "persistence/ConfigurationFile.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

class TestTableCommand : public QObject {
    Q_OBJECT
private slots:
    void defaultConditions() {
        const auto r = executerCli({"table"});
        QCOMPARE(r.statut, 0);
        const QStringList lignes = r.sortie.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 52);
        QCOMPARE(lignes[0], QString("t (min)\tAcide carboxylique\tAlcool\tEster\tEau\tQr"));
        QCOMPARE(lignes[1], QString("0,0\t0,1\t0,1\t0\t0\t0"));
        // dx/dt = (4e-5 (0.1 - x)^2 - 1e-5 x^2) / 0.2 has the closed form
        // (0.2 - x) / (0.2/3 - x) = 3 exp(2e-5 t): x = 0.000596 mol at 5 min,
        // 0.00119 mol at 10 min, and Qr = (x / (0.1 - x))^2.
        QCOMPARE(lignes[26], QString("5,0\t0,0994\t0,0994\t0,000596\t0,000596\t3,6E-05"));
        QCOMPARE(lignes[51], QString("10,0\t0,0988\t0,0988\t0,00119\t0,00119\t0,000144"));
    }

    void options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("enTete");
        QTest::addColumn<QString>("premiere");
        QTest::newRow("saponification, hours, 11 rows")
            << QStringList{"--reaction", "3", "--duration-position", "6", "--rows-position", "100"} << 12
            << "t (h)\tEster\tIon hydroxyde\tIon carboxylate\tAlcool\tQr"
            << "0,0\t0,1\t0,1\t0\t0\t0";
        QTest::newRow("distilled ester in row 0")
            << QStringList{"--amounts", "1;1;0,5;0,5", "--distil", "1", "--volatile", "2"} << 52
            << "t (min)\tAcide carboxylique\tAlcool\tEster\tEau\tQr"
            << "0,0\t1\t1\t0\t0,5\t0";
        QTest::newRow("no reactant: no Qr")
            << QStringList{"--amounts", "0;1;1;1", "--duration-position", "16"} << 52
            << "t (s)\tAcide carboxylique\tAlcool\tEster\tEau\tQr"
            << "0,0\t0\t1\t1\t1\t";
    }
    void options() {
        QFETCH(QStringList, arguments);
        QFETCH(int, lignes);
        QFETCH(QString, enTete);
        QFETCH(QString, premiere);
        const auto r = executerCli(QStringList{"table"} + arguments);
        QCOMPARE(r.statut, 0);
        const QStringList sortie = r.sortie.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(sortie.size(), lignes);
        QCOMPARE(sortie[0], enTete);
        QCOMPARE(sortie[1], premiere);
    }

    // The commands that draw nothing start without the widget application:
    // a platform plugin that does not exist would stop it.
    void withoutPlatformPlugin_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("premiere");
        QTest::newRow("table") << QStringList{"table"}
                               << "t (min)\tAcide carboxylique\tAlcool\tEster\tEau\tQr";
        QTest::newRow("eval") << QStringList{"eval", "2+3*4"} << " 14";
        QTest::newRow("table as CSV")
            << QStringList{"table", "--format", "csv"} << "t (min);Acide carboxylique;Alcool;Ester;Eau;Qr\r";
    }
    void withoutPlatformPlugin() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, premiere);
        auto environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("QT_QPA_PLATFORM", "absente");
        const auto r = executerCli(arguments, environnement);
        QCOMPARE(r.statut, 0);
        QCOMPARE(r.sortie.split('\n').first(), premiere);
    }

    void negativeAmountRunsAsNone() {
        const auto r = executerCli({"table", "--amounts", "-1;1;0;0"});
        QCOMPARE(r.statut, 0);
        const QStringList sortie = r.sortie.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(sortie[1], QString("0,0\t-1\t1\t0\t0\t")); // row 0 shows the box as typed
        for (int l = 2; l < sortie.size(); ++l)
            QVERIFY2(!sortie[l].contains('-'), qPrintable(sortie[l]));
    }

    void configurationFile() {
        QTemporaryDir dossier;
        Configuration c;
        c.reaction = 2;
        c.quantites = {"1", "1", "0", "0"};
        c.positionDuree = 1;
        c.temperature = 1000;
        c.catalyseur = true;
        const QString chemin = dossier.filePath("hydrolyse.C15");
        QVERIFY(ecrireConfiguration(chemin, c));
        // An option given beside the file overrides it.
        const auto r = executerCli({"table", "--config", chemin, "--rows-position", "100"});
        QCOMPARE(r.statut, 0);
        const QStringList sortie = r.sortie.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(sortie.size(), 12);
        // One third hydrolysed; the steps of a thousandth of the axis keep Qr within a percent of 1/4.
        QVERIFY(sortie.last().startsWith("200,0\t0,667\t0,667\t0,333\t0,333\t0,2"));
    }

    void errors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("reaction out of range") << QStringList{"table", "--reaction", "4"} << "--reaction";
        QTest::newRow("reaction not a number") << QStringList{"table", "--reaction", "x"} << "--reaction";
        QTest::newRow("three amounts") << QStringList{"table", "--amounts", "1;1;1"} << "--amounts";
        QTest::newRow("curves not binary") << QStringList{"table", "--curves", "1121"} << "--curves";
        QTest::newRow("unknown option") << QStringList{"table", "--colour", "3"} << "Option inconnue";
        QTest::newRow("missing file")
            << QStringList{"table", "--config", "/nonexistent.C15"} << "Lecture impossible sur disque";
        QTest::newRow("unknown command") << QStringList{"tableau"} << "Commande inconnue";
        QTest::newRow("graph without output") << QStringList{"graph"} << "-o FICHIER.svg";
        QTest::newRow("graph in an unknown format")
            << QStringList{"graph", "-o", "g.jpg"} << "Format inconnu";
        QTest::newRow("graph where nothing can be written")
            << QStringList{"graph", "-o", "/nonexistent/g.svg"} << "Ecriture impossible sur disque";
        QTest::newRow("table in an unknown format") << QStringList{"table", "--format", "xls"} << "--format";
    }
    void errors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const auto r = executerCli(arguments);
        QCOMPARE(r.statut, 2);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QVERIFY(r.sortie.isEmpty());
    }

    // The extension chooses the format; even the longest run (some two
    // million steps) stays a small vector file.
    void graphFiles_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("conditions");
        QTest::addColumn<QByteArray>("debut");
        const QStringList longue{"--reaction",          "1",    "--amounts",  "0,001;9;0;0",
                                 "--temperature",       "1000", "--catalyst", "1",
                                 "--duration-position", "1"};
        QTest::newRow("SVG") << "g.svg" << QStringList() << QByteArray("<?xml");
        QTest::newRow("PDF, extension in capitals") << "g.PDF" << QStringList() << QByteArray("%PDF");
        QTest::newRow("SVG of the longest run") << "long.svg" << longue << QByteArray("<?xml");
    }
    void graphFiles() {
        QFETCH(QString, nom);
        QFETCH(QStringList, conditions);
        QFETCH(QByteArray, debut);
        QTemporaryDir dossier;
        const auto r = executerCli(QStringList{"graph", "-o", dossier.filePath(nom)} + conditions);
        QCOMPARE(r.statut, 0);
        QFile f(dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5).startsWith(debut));
        QVERIFY2(f.size() < 500 * 1000, qPrintable(QString::number(f.size())));
    }

    void wrongIdentification() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("autre.C15");
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x05\x00"
                           "ester",
                           7)
                    .leftJustified(128, '\0'));
        f.close();
        const auto r = executerCli({"table", "--config", chemin});
        QCOMPARE(r.statut, 2);
        QVERIFY(r.erreurs.contains("Ce fichier ne correspond pas à cette application"));
    }

    void graphPicture() {
        QTemporaryDir dossier;
        const QString png = dossier.filePath("g.png");
        const auto r = executerCli({"graph", "-o", png, "--amounts", "1;2;0;0"});
        QCOMPARE(r.statut, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(413, 235));
        QCOMPARE(image.pixelColor(50, 10 + 8), QColor(255, 0, 255)); // B starts at the top: 2 mol
    }
};

VEDO_TEST(TestTableCommand);
#include "tst_tablecommand.moc"
