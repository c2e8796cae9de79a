#include "TestRegistry.h"

#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "persistence/ConfigurationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

namespace {

// The build puts the shipped exercises beside the executables, tests included.
QDir repertoireLivraison() {
    return QDir(QCoreApplication::applicationDirPath());
}

QStringList exercicesLivres() {
    return repertoireLivraison().entryList({"*" + extensionExercice}, QDir::Files, QDir::Name);
}

void verifierTexte(const QString& nom) {
    QTextDocument texte;
    QVERIFY2(chargerRtf(repertoireLivraison().filePath(nom), texte), qPrintable(nom));
    QVERIFY2(texte.toPlainText().size() > 200, qPrintable(nom));
}

void verifierConfiguration(const QString& nom) {
    const auto lecture = lireConfiguration(repertoireLivraison().filePath(nom));
    QVERIFY2(lecture.erreur == ErreurConfiguration::aucune, qPrintable(nom));
}

} // namespace

class TestExercicesLivres : public QObject {
    Q_OBJECT
private slots:
    void atLeastSixExercisesShip() {
        QVERIFY2(exercicesLivres().size() >= 6, qPrintable(exercicesLivres().join(", ")));
    }

    void everyExerciseNamesItsFiles_data() {
        QTest::addColumn<QString>("nom");
        for (const QString& nom : exercicesLivres())
            QTest::newRow(qPrintable(nom)) << nom;
    }
    void everyExerciseNamesItsFiles() {
        QFETCH(QString, nom);
        const auto e = lireFichierExercice(repertoireLivraison().filePath(nom));
        QVERIFY(e);
        QVERIFY(!e->titre.trimmed().isEmpty());
        QVERIFY(!e->texteNotions().isEmpty());
        QVERIFY(e->etoilesAllumees() >= 1);
        QVERIFY(!e->sabliers().isEmpty());
        QVERIFY(e->corrige());
        verifierTexte(e->enonce);
        verifierConfiguration(e->configuration);
        verifierTexte(e->correction);
        verifierConfiguration(e->configurationCorrection);
    }

    void gettingStartedActivityShips() {
        const auto e = lireFichierExercice(repertoireLivraison().filePath(nomPriseEnMain));
        QVERIFY(e);
        verifierTexte(e->enonce);
        verifierConfiguration(e->configuration);
    }
};

VEDO_TEST(TestExercicesLivres);
#include "tst_exerciceslivres.moc"
