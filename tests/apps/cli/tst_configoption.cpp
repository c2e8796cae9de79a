#include "TestRegistry.h"

#include "CliRunner.h"
#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {
// The inspect line of the control named `nom`.
QJsonObject controle(const QString& sortie, const QString& nom) {
    for (const QString& ligne : sortie.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(ligne.toUtf8()).object();
        if (o.value("name").toString() == nom) return o;
    }
    return {};
}
} // namespace

class TestConfigOption : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;

private slots:
    void inspectShowsTheLoadedSettings() {
        Configuration c;
        c.reaction = 2;
        c.quantites[0] = "2,5";
        c.tableauValeurs = true;
        c.representationGraphique = false;
        const QString chemin = dossier.filePath("eau.C15");
        QVERIFY(ecrireConfiguration(chemin, c));
        const auto r = executerCli({"inspect", "--config", chemin});
        QCOMPARE(r.statut, 0);
        QCOMPARE(controle(r.sortie, "feuilleP").value("text").toString(),
                 "Vedoriruvirivi - " + QDir::toNativeSeparators(chemin));
        QCOMPARE(controle(r.sortie, "Combo1").value("text").toString(), QString("Ester et eau"));
        QCOMPARE(controle(r.sortie, "Text1(0)").value("text").toString(), QString("2,5"));
        QCOMPARE(controle(r.sortie, "Option1(1)").value("checked").toBool(), true);
    }

    // Every control has a name for assistive technologies; the shown ones
    // that Tab reaches are ranked 1, 2, ... in the order of the Tab chain.
    void inspectNamesAndRanksEveryControl() {
        const auto r = executerCli({"inspect", "--tab", "2"});
        QCOMPARE(r.statut, 0);
        QList<int> rangs;
        for (const QString& ligne : r.sortie.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject o = QJsonDocument::fromJson(ligne.toUtf8()).object();
            QVERIFY2(!o.value("accessibleName").toString().isEmpty(), qPrintable(ligne));
            QVERIFY2(o.contains("accessibleDescription") && o.contains("tabOrder"), qPrintable(ligne));
            if (!o.value("tabOrder").isNull()) rangs << o.value("tabOrder").toInt();
        }
        std::sort(rangs.begin(), rangs.end());
        QCOMPARE(rangs.size(),
                 19); // 7 buttons, Agrandir, the strip, 4 conditions, 3 run buttons, 3 of the exercise
        for (int i = 0; i < rangs.size(); ++i)
            QCOMPARE(rangs[i], i + 1);
        const QJsonObject temperature = controle(r.sortie, "HScroll1");
        QCOMPARE(temperature.value("tabOrder").toInt(), 10);
        QCOMPARE(temperature.value("accessibleName").toString(), QString("Température du système : 20 °C"));
        QCOMPARE(
            temperature.value("accessibleDescription").toString(),
            QString("Vous pouvez augmenter ou diminuer la température du système ou ajouter un catalyseur"));
        QVERIFY(controle(r.sortie, "Text1(0)").value("tabOrder").isNull());
        QCOMPARE(controle(r.sortie, "Text1(0)").value("accessibleName").toString(),
                 QString("n (mol) acide carboxylique"));
    }

    void snapshotWithAConfiguration() {
        Configuration c;
        c.tableauValeurs = true;
        c.representationGraphique = false;
        const QString chemin = dossier.filePath("tableau.C15");
        QVERIFY(ecrireConfiguration(chemin, c));
        const QString image = dossier.filePath("w.png");
        const auto r = executerCli({"snapshot", "--config", chemin, "-o", image});
        QCOMPARE(r.statut, 0);
        QVERIFY(!QImage(image).isNull());
    }

    void refusedFiles_data() {
        QTest::addColumn<QStringList>("enregistrements"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("absent file") << QStringList() << "Fichier de configuration introuvable";
        QTest::newRow("wrong identification") << QStringList{"ester"} << "Fichier non valide";
        QTest::newRow("duration outside its bar")
            << QStringList{"ESTER", "0,1", "0,1", "0", "0", " 0", " 0", "-1", " 0", " 0", " 0", " 0", " 99"}
            << "Lecture impossible sur disque";
    }
    void refusedFiles() {
        QFETCH(QStringList, enregistrements);
        QFETCH(QString, message);
        const QString chemin = dossier.filePath("refus.C15");
        QFile::remove(chemin);
        if (!enregistrements.isEmpty()) QVERIFY(ecrireFichierEnregistrements(chemin, enregistrements));
        for (const QString commande : {"inspect", "snapshot"}) {
            QStringList arguments{commande, "--config", chemin};
            if (commande == "snapshot") arguments << "-o" << dossier.filePath("x.png");
            const auto r = executerCli(arguments);
            QCOMPARE(r.statut, 2);
            QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        }
    }

    void optionWithoutFile() {
        const auto r = executerCli({"inspect", "--config"});
        QCOMPARE(r.statut, 2);
        QVERIFY(r.erreurs.contains("--config"));
    }
};

VEDO_TEST(TestConfigOption);
#include "tst_configoption.moc"
