#include "DisqueLimite.h"
#include "TestRegistry.h"

#include "output/Exportation.h"
#include "persistence/FichierEntier.h"
#include "platform/ScriptedPrompter.h"
#include "view/DessinGraphe.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

class TestExportation : public QObject {
    Q_OBJECT
private slots:
    void failedSaveKeepsTheFile_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("deja"); // what the name already is: "", "fichier" or "dossier"
        QTest::addColumn<int>("limite");   // bytes a file may grow to, 0 for no limit
        QTest::addColumn<QString>("message");
        const QString ecriture = "Ecriture impossible sur disque";
        QTest::newRow("folder that does not exist") << "absent/g.svg"
                                                    << "" << 0 << ecriture;
        QTest::newRow("a folder's name") << "g.pdf"
                                         << "dossier" << 0 << ecriture;
        QTest::newRow("full disk over an existing file") << "g.svg"
                                                         << "fichier" << 100 << ecriture;
        QTest::newRow("unknown extension") << "g.jpg"
                                           << "fichier" << 0 << texteFormatInconnu();
    }
    void failedSaveKeepsTheFile() {
        QFETCH(QString, nom);
        QFETCH(QString, deja);
        QFETCH(int, limite);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        if (deja == "fichier") QVERIFY(ecrireFichierEntier(chemin, "l'ancien graphe"));
        if (deja == "dossier") QVERIFY(QDir().mkdir(chemin));
        const DessinGraphe dessin; // a blank graph
        Vues vues;
        vues.dessinGraphe = &dessin;
        ScriptedPrompter prompter;
        prompter.reponsesFichiers = {chemin.toStdString()};
        {
            std::optional<DisqueLimite> disque;
            if (limite > 0) QVERIFY(disque.emplace(limite).actif());
            Exportation().enregistrerGraphe(prompter, nullptr, vues);
        }
        QCOMPARE(prompter.messages(), QStringList{"Enregistrement impossible: " + message});
        QCOMPARE(prompter.questions.back().icone, Icone::critique);
        QFile lu(chemin);
        if (deja == "fichier") QCOMPARE(lu.open(QIODevice::ReadOnly) ? lu.readAll() : "", "l'ancien graphe");
        // Nothing half written is left beside it.
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 deja == "fichier" ? 1 : 0);
    }
};

VEDO_TEST(TestExportation);
#include "tst_exportation.moc"
