#include "TestRegistry.h"

#include "persistence/ConfigurationFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

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

    void missingFileCannotBeRead() {
        QCOMPARE(lireConfiguration("/nonexistent/x.C15").erreur, ErreurConfiguration::lectureImpossible);
    }

    void errorTexts() {
        QCOMPARE(titreErreurConfiguration(ErreurConfiguration::fichierNonValide),
                 std::string("Fichier non valide"));
        QCOMPARE(messageErreurConfiguration(ErreurConfiguration::fichierNonValide),
                 std::string("Ce fichier ne correspond pas à cette application"));
        QCOMPARE(messageErreurConfiguration(ErreurConfiguration::lectureImpossible),
                 std::string("Lecture impossible sur disque"));
    }
};

VEDO_TEST(TestConfigurationFile);
#include "tst_configurationfile.moc"
