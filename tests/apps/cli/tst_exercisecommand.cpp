#include "TestRegistry.h"

#include "CliRunner.h"
#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

namespace {

// A copy of the test exercise's folder, with one file replaced.
QString copieDescription(const QTemporaryDir& dossier, const QString& remplacement = {}) {
    const QDir source(VEDO_TEST_DATA "/exercice-essai");
    for (const QString& nom : source.entryList(QDir::Files))
        QFile::copy(source.filePath(nom), dossier.filePath(nom));
    if (!remplacement.isEmpty()) {
        QFile f(dossier.filePath("exercice.txt"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(remplacement.toUtf8());
    }
    return dossier.filePath("exercice.txt");
}

} // namespace

class TestExerciseCommand : public QObject {
    Q_OBJECT
private slots:
    void makesTheExerciseAndItsFiles() {
        QTemporaryDir sortie;
        const auto r = executerCli(
            {"exercice", VEDO_TEST_DATA "/exercice-essai/exercice.txt", "-o", sortie.filePath("ESSAI.E39")});
        QCOMPARE(r.erreurs, QString());
        QCOMPARE(r.statut, 0);
        const auto e = lireFichierExercice(sortie.filePath("ESSAI.E39"));
        QVERIFY(e);
        QCOMPARE(QString::fromStdString(e->enonce), QString("ESSAI.RTF"));
        QCOMPARE(QString::fromStdString(e->configuration), QString("ESSAI.C15"));
        QCOMPARE(QString::fromStdString(e->correction), QString("ESSAI_C.RTF"));
        QCOMPARE(QString::fromStdString(e->configurationCorrection), QString());
        QCOMPARE(QString::fromStdString(e->titre), QString("Essai d'exercice"));
        QCOMPARE(QString::fromStdString(e->texteNotions()), QString("Première notion\r\nSeconde notion"));
        QCOMPARE(e->etoilesAllumees(), 2);
        QCOMPARE(QString::fromStdString(e->sabliers()).size(), 3);
        QVERIFY(e->corrige());
        QVERIFY(!QFileInfo::exists(sortie.filePath("ESSAI_C.C15")));
    }

    void configurationTakesTheConditionsOfTheDescription() {
        QTemporaryDir sortie;
        QCOMPARE(executerCli({"exercice", VEDO_TEST_DATA "/exercice-essai/exercice.txt", "-o",
                              sortie.filePath("ESSAI.E39")})
                     .statut,
                 0);
        const auto lecture = lireConfiguration(sortie.filePath("ESSAI.C15"));
        QCOMPARE(lecture.erreur, ErreurConfiguration::aucune);
        Configuration attendue;
        attendue.reaction = 2;
        attendue.classeAlcool = 1;
        attendue.quantites = {"0,5", "2", "0", "0"};
        attendue.temperature = 650;
        attendue.catalyseur = true;
        attendue.positionDuree = 7;
        attendue.conserverCourbes = true;
        QCOMPARE(lecture.configuration, attendue);
    }

    void textsBecomeRtf() {
        QTemporaryDir sortie;
        QCOMPARE(executerCli({"exercice", VEDO_TEST_DATA "/exercice-essai/exercice.txt", "-o",
                              sortie.filePath("ESSAI.E39")})
                     .statut,
                 0);
        QTextDocument enonce;
        QVERIFY(chargerRtf(sortie.filePath("ESSAI.RTF"), enonce));
        QCOMPARE(enonce.toPlainText(), QString("Énoncé\nQr tend vers K."));
        QTextDocument correction;
        QVERIFY(chargerRtf(sortie.filePath("ESSAI_C.RTF"), correction));
        QCOMPARE(correction.toPlainText(), QString("Correction : 66,7 %"));
    }

    void faultyDescriptions_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("no statement") << "titre = T\n"
                                      << "La description n'a pas de section [enonce]";
        QTest::newRow("unknown key") << "auteur = X\n[enonce]\ntexte = enonce.html\nrtf = E.RTF\n"
                                     << "Clé inconnue : auteur";
        QTest::newRow("unknown section") << "[annexe]\n"
                                         << "Section inconnue : [annexe]";
        QTest::newRow("line without a value") << "titre\n"
                                              << "ligne 1 : « clé = valeur » attendu";
        QTest::newRow("statement without its RTF name")
            << "[enonce]\ntexte = enonce.html\n"
            << "La section [enonce] doit nommer « texte » et « rtf »";
        QTest::newRow("missing text") << "[enonce]\ntexte = absent.html\nrtf = E.RTF\n"
                                      << "Texte introuvable";
        QTest::newRow("condition out of range")
            << "[enonce]\ntexte = enonce.html\nrtf = E.RTF\nc15 = E.C15\ntemperature = 2000\n"
            << "Option --temperature : il faut un nombre entier de 0 à 1000";
        QTest::newRow("unknown condition")
            << "[enonce]\ntexte = enonce.html\nrtf = E.RTF\nc15 = E.C15\npression = 2\n"
            << "Clé inconnue dans [enonce] : pression";
        QTest::newRow("notion too long for its record")
            << "notion1 = " + QString(130, 'n') + "\n[enonce]\ntexte = enonce.html\nrtf = E.RTF\n"
            << "126 caractères";
    }
    void faultyDescriptions() {
        QFETCH(QString, description);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        const QString chemin = copieDescription(dossier, description);
        const auto r = executerCli({"exercice", chemin, "-o", dossier.filePath("sortie/E.E39")});
        QCOMPARE(r.statut, 2);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QVERIFY(!QFileInfo::exists(dossier.filePath("sortie/E.E39")));
    }

    void usageWithoutOutput() {
        const auto r = executerCli({"exercice", "exercice.txt"});
        QCOMPARE(r.statut, 2);
        QVERIFY(r.erreurs.startsWith("Usage : vedoriruvirivi-cli exercice"));
    }
};

VEDO_TEST(TestExerciseCommand);
#include "tst_exercisecommand.moc"
