#include "TestRegistry.h"

#include "exercises/RtfFichier.h"
#include "exercises/TexteAccueil.h"
#include "exercises/ZoneExercice.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

using namespace vedo;

class TestZoneExercice : public QObject {
    Q_OBJECT
private slots:
    void directoryEndsWithOneSeparator_data() {
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QString>("attendu");
        const QString s = QDir::separator();
        QTest::newRow("without separator") << "/ecole/exos" << QDir::toNativeSeparators("/ecole/exos") + s;
        QTest::newRow("with separator") << "/ecole/exos/" << QDir::toNativeSeparators("/ecole/exos/");
        QTest::newRow("root") << "/" << QDir::toNativeSeparators("/");
    }
    void directoryEndsWithOneSeparator() {
        QFETCH(QString, repertoire);
        QTEST(avecSeparateur(repertoire), "attendu");
    }

    void namesWithBackslashesResolveInRepexo() {
        ScriptedPrompter p;
        ApplicationState etat(p);
        etat.repexo = avecSeparateur("/ecole/exos");
        QCOMPARE(cheminDansRepexo(etat, "CHIMIE\\EXO.RTF"),
                 QDir::toNativeSeparators("/ecole/exos/CHIMIE/EXO.RTF"));
    }

    void blankConfigurationNameLoadsNothing_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("charge");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaces") << "   " << false;
        QTest::newRow("a name") << "EXO.C15" << true;
    }
    void blankConfigurationNameLoadsNothing() {
        QFETCH(QString, nom);
        QFETCH(bool, charge);
        ScriptedPrompter p;
        ApplicationState etat(p);
        etat.repexo = avecSeparateur("/ecole");
        etat.fichcourant = "avant";
        int chargements = 0;
        ZoneExercice zone;
        zone.chargeconfig = [&] { ++chargements; };
        chargerConfigurationExercice(etat, zone, nom);
        QCOMPARE(chargements, charge ? 1 : 0);
        QCOMPARE(etat.fichcourant, charge ? QDir::toNativeSeparators("/ecole/" + nom) : QString("avant"));
    }

    void loadedTextStartsAnEmptyUndoHistory() {
        QTemporaryDir dossier;
        QTextDocument enonce(QStringLiteral("Énoncé de CATALYSEUR"));
        const QString chemin = dossier.filePath("CATALYSEUR.RTF");
        QVERIFY(enregistrerRtf(chemin, enonce));
        QTextEdit supertext;
        textaccueil(supertext);
        QTest::keyClicks(&supertext, "ma reponse");
        ZoneExercice zone{nullptr, &supertext, nullptr, QString(), {}};
        QVERIFY(chargerTexteExercice(zone, chemin));
        QVERIFY(!supertext.document()->isUndoAvailable());
        supertext.undo();
        QCOMPARE(supertext.toPlainText(), QString("Énoncé de CATALYSEUR"));
    }

    void messagesOfUnreadableFiles() {
        ScriptedPrompter p;
        ApplicationState etat(p);
        etat.repexo = "/ecole/";
        signalerLectureImpossible(etat, nullptr);
        signalerFichierAbsent(etat, nullptr, "EXO.RTF");
        QCOMPARE(p.messages(),
                 QStringList({"Lecture impossible: Vérifier:\n- le nom du fichier,\n- l'état du lecteur.",
                              "Fichier absent: Le fichier /ecole/EXO.RTF est introuvable"}));
        QCOMPARE(p.questions[0].icone, Icone::critique);
        QCOMPARE(p.questions[1].icone, Icone::critique);
    }
};

VEDO_TEST(TestZoneExercice);
#include "tst_zoneexercice.moc"
