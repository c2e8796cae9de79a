#include "TestRegistry.h"

#include "exercises/FichierExercice.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

// An exercise file of 1 GB, made of holes past what was written: only the
// twelve records of the preview are read, whatever the size.
class TestExerciceGeant : public QObject {
    Q_OBJECT
private slots:
    void previewOfOneGigabyte_data() {
        QTest::addColumn<bool>("ecrireExercice");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<int>("etoiles");
        QTest::newRow("a whole exercise, then holes") << true << "Équilibre" << 2;
        QTest::newRow("only holes: four empty names") << false << "" << 0;
    }
    void previewOfOneGigabyte() {
        QFETCH(bool, ecrireExercice);
        QFETCH(QString, titre);
        QFETCH(int, etoiles);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("GEANT.E39");
        FichierExercice e;
        e.enonce = "GEANT.RTF";
        e.difficulte = "2";
        e.titre = "Équilibre";
        e.dureeTravail = "99999999";
        if (ecrireExercice) QVERIFY(ecrireFichierExercice(chemin, e));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(qint64(1) << 30));
        f.close();
        const auto lu = lireFichierExercice(chemin);
        QVERIFY(lu);
        QCOMPARE(QString::fromStdString(lu->titre), titre);
        QCOMPARE(lu->etoilesAllumees(), etoiles);
        QVERIFY(QString::fromStdString(lu->sabliers()).size() <= 50);
    }
};

VEDO_TEST(TestExerciceGeant);
#include "tst_exercicegeant.moc"
