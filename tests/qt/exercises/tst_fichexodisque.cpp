#include "TestRegistry.h"

#include "RepertoireExercices.h"
#include "exercises/Fichexo.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QtTest>

using namespace vedo;

// The exercise chooser when the files change between the preview and the
// open: removed, or grown to 1 GB by another program.
class TestFichexoDisque : public QObject {
    Q_OBJECT
private slots:
    void filesChangedAfterThePreview_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<qint64>("taille"); // -1: removed
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("debutMessage"); // empty: none
        QTest::newRow("exercise removed") << "EXO.E39" << qint64(-1) << "Texte de départ"
                                          << "Lecture impossible: Vérifier:";
        QTest::newRow("exercise grown to 1 GB") << "EXO.E39" << (qint64(1) << 30) << "Énoncé de EXO"
                                                << "";
        QTest::newRow("statement grown to 1 GB") << "EXO.RTF" << (qint64(1) << 30) << "Texte de départ"
                                                 << "Fichier absent: Le fichier";
    }
    void filesChangedAfterThePreview() {
        QFETCH(QString, fichier);
        QFETCH(qint64, taille);
        QFETCH(QString, texte);
        QFETCH(QString, debutMessage);
        RepertoireExercices r;
        r.ajouter("EXO");
        ScriptedPrompter prompteur;
        ApplicationState etat{prompteur};
        QTextEdit supertext;
        supertext.setPlainText("Texte de départ");
        QLineEdit fich;
        ZoneExercice zone{nullptr, &supertext, &fich, r.chemin(), [] {}};
        Fichexo fichexo(etat, zone);
        fichexo.activation();
        QVERIFY(prompteur.questions.empty());
        QFile f(r.chemin(fichier));
        if (taille < 0)
            QVERIFY(f.remove());
        else
            QVERIFY(f.resize(taille));
        fichexo.modele().ouvreur_Click();
        QCOMPARE(supertext.toPlainText(), texte);
        if (debutMessage.isEmpty()) {
            QVERIFY(prompteur.questions.empty());
        } else {
            QCOMPARE(prompteur.messages().size(), 1);
            QVERIFY2(prompteur.messages().first().startsWith(debutMessage),
                     qPrintable(prompteur.messages().first()));
        }
    }
};

VEDO_TEST(TestFichexoDisque);
#include "tst_fichexodisque.moc"
