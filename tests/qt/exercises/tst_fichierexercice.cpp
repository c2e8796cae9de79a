#include "TestRegistry.h"

#include "exercises/FichierExercice.h"
#include "persistence/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {

FichierExercice exerciceComplet() {
    return {.enonce = "EQUILIBRE.RTF",
            .configuration = "EQUILIBRE.C15",
            .correction = "EQUILIBRE_C.RTF",
            .configurationCorrection = "EQUILIBRE_C.C15",
            .difficulte = "2",
            .notions = {"Rendement\r\n", "Équilibre", "", ""},
            .titre = "  Équilibre d'estérification  ",
            .dureeTravail = "3"};
}

} // namespace

class TestFichierExercice : public QObject {
    Q_OBJECT
private slots:
    void recordsSitWhereOtherProgramsLookForThem() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("EXO.E39");
        QVERIFY(ecrireFichierExercice(chemin, exerciceComplet()));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(lireEnregistrement(f, 1), std::optional<QString>("EQUILIBRE.RTF"));
        QCOMPARE(lireEnregistrement(f, 4), std::optional<QString>("EQUILIBRE_C.C15"));
        QCOMPARE(lireEnregistrement(f, 5), std::optional<QString>("2"));
        QCOMPARE(lireEnregistrement(f, 6), std::optional<QString>(""));
        QCOMPARE(lireEnregistrement(f, 8), std::optional<QString>("Équilibre"));
        QCOMPARE(lireEnregistrement(f, 11), std::optional<QString>("  Équilibre d'estérification  "));
        QCOMPARE(lireEnregistrement(f, 12), std::optional<QString>("3"));
    }

    void missingFileGivesNothing() { QVERIFY(!lireFichierExercice("/nulle/part/EXO.E39")); }

    void tooLongNotionIsRefusedAndLeavesTheOldFile() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("EXO.E39");
        QVERIFY(ecrireFichierExercice(chemin, exerciceComplet()));
        FichierExercice trop = exerciceComplet();
        trop.notions[0] = std::string(127, 'n');
        QVERIFY(!ecrireFichierExercice(chemin, trop));
        QCOMPARE(lireFichierExercice(chemin), std::optional(exerciceComplet()));
    }
};

VEDO_TEST(TestFichierExercice);
#include "tst_fichierexercice.moc"
