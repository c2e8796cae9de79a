#include "TestRegistry.h"

#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(ErreurConfiguration)

namespace {
void ecrireBrut(const QString& chemin, const QStringList& textes) {
    QVERIFY(ecrireFichierEnregistrements(chemin, textes));
}
} // namespace

class TestConfigurationFile : public QObject {
    Q_OBJECT
private slots:
    void defaultsRoundTrip() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("defaut.C15");
        QVERIFY(ecrireConfiguration(chemin, Configuration{}));
        QCOMPARE(QFileInfo(chemin).size(), qint64(3456));
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::aucune);
        QCOMPARE(lu.dernierEnregistrementLu, 27);
        QVERIFY(lu.configuration == Configuration{});
    }

    void recordTexts() {
        Configuration c;
        c.reaction = 2;
        c.couleurs[0] = 255;
        c.tableauValeurs = true;
        c.representationGraphique = false;
        const QStringList t = textesConfiguration(c);
        QCOMPARE(t.size(), 27);
        QCOMPARE(t[0], QString("ESTER"));
        QCOMPARE(t[1], QString("0,1"));
        QCOMPARE(t[5], QString(" 2"));
        QCOMPARE(t[7], QString("-1"));
        QCOMPARE(t[8], QString(" 255"));
        QCOMPARE(t[12], QString(" 11"));
        QCOMPARE(t[13], QString(" 60"));
        QCOMPARE(t[14], QString(" 200"));
        QCOMPARE(t[15], QString(" 50"));
        QCOMPARE(t[16], QString("0"));
        QCOMPARE(t[17], QString("1"));
        QCOMPARE(t[24], QString("1")); // "Afficher Qr " ticked at start-up
    }

    void damagedFiles_data() {
        QTest::addColumn<QStringList>("enregistrements");
        QTest::addColumn<ErreurConfiguration>("erreur");
        QTest::addColumn<int>("dernierLu");
        QStringList bon = textesConfiguration(Configuration{});
        QStringList minuscules = bon;
        minuscules[0] = "ester";
        QStringList espace = bon;
        espace[0] = "ESTER ";
        QStringList reactionHors = bon;
        reactionHors[5] = " 4";
        QStringList dureeHors = bon;
        dureeHors[12] = " 0";
        QStringList couleurEnorme = bon;
        couleurEnorme[9] = " 99999999999";
        QTest::newRow("identification in lower case")
            << minuscules << ErreurConfiguration::fichierNonValide << 1;
        QTest::newRow("identification with a blank") << espace << ErreurConfiguration::fichierNonValide << 1;
        QTest::newRow("reaction outside the list")
            << reactionHors << ErreurConfiguration::lectureImpossible << 5;
        QTest::newRow("duration position 0") << dureeHors << ErreurConfiguration::lectureImpossible << 12;
        QTest::newRow("colour beyond 32 bits")
            << couleurEnorme << ErreurConfiguration::lectureImpossible << 9;
        QTest::newRow("only the identification")
            << QStringList{"ESTER"} << ErreurConfiguration::lectureImpossible << 12;
    }
    void damagedFiles() {
        QFETCH(QStringList, enregistrements);
        QFETCH(ErreurConfiguration, erreur);
        QFETCH(int, dernierLu);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("x.C15");
        ecrireBrut(chemin, enregistrements);
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, erreur);
        if (erreur == ErreurConfiguration::lectureImpossible) QCOMPARE(lu.dernierEnregistrementLu, dernierLu);
    }

    void lengthAbove126IsAReadError() {
        QTemporaryDir dossier;
        QFile f(dossier.filePath("x.C15"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray r(128, '\0');
        r[0] = char(127);
        f.write(r);
        f.close();
        QCOMPARE(lireConfiguration(f.fileName()).erreur, ErreurConfiguration::lectureImpossible);
    }

    void flagsOnlyExactOne_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("coche");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("leading blank") << " 1" << false;
        QTest::newRow("minus one") << "-1" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("empty") << "" << false;
    }
    void flagsOnlyExactOne() {
        QFETCH(QString, texte);
        QFETCH(bool, coche);
        QStringList t = textesConfiguration(Configuration{});
        t[22] = texte; // "Tracer en gras"
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("x.C15");
        ecrireBrut(chemin, t);
        QCOMPARE(lireConfiguration(chemin).configuration.traceGras, coche);
    }

    void amountsKeptAsTyped() {
        Configuration c;
        c.quantites = {"6", "6", "0,5", "abc"};
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("x.C15");
        QVERIFY(ecrireConfiguration(chemin, c));
        QCOMPARE(lireConfiguration(chemin).configuration.quantites, c.quantites);
    }

    void missingFileCannotBeRead() {
        QCOMPARE(lireConfiguration("/nonexistent/x.C15").erreur, ErreurConfiguration::lectureImpossible);
    }

    void errorTexts() {
        QCOMPARE(titreErreurConfiguration(ErreurConfiguration::fichierNonValide),
                 QString("Fichier non valide"));
        QCOMPARE(messageErreurConfiguration(ErreurConfiguration::fichierNonValide),
                 QString("Ce fichier ne correspond pas à cette application"));
        QCOMPARE(messageErreurConfiguration(ErreurConfiguration::lectureImpossible),
                 QString("Lecture impossible sur disque"));
    }
};

VEDO_TEST(TestConfigurationFile);
#include "tst_configurationfile.moc"
