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
        // Start-up settings: curves blue, magenta, orange, green as r + 256 g + 65536 b.
        QCOMPARE(textesConfiguration(Configuration{}),
                 (QStringList{"ESTER", "0,1", "0,1", "0", "0", " 0", " 0", "-1", " 16711680", " 16711935",
                              " 33023", " 49152", " 11", " 60", " 200", " 50", "1", "0", "1", "1", "1", "1", "0",
                              "0", "1", "0", "0"}));
        Configuration c;
        c.reaction = 2;
        c.couleurs[0] = 255;
        c.tableauValeurs = true;
        c.representationGraphique = false;
        const QStringList t = textesConfiguration(c);
        QCOMPARE(t[5], QString(" 2"));
        QCOMPARE(t[8], QString(" 255"));
        QCOMPARE(t[16], QString("0"));
        QCOMPARE(t[17], QString("1"));
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
        // Each list index and scroll value at its bounds and one beyond them.
        const struct {
            int numero;
            const char* nom;
            int minimum, maximum;
        } bornes[] = {{6, "reaction", 0, 3},          {7, "class", 0, 2},          {8, "volatile species", -1, 3},
                      {13, "duration position", 1, 16}, {14, "table rows", 10, 100}, {15, "temperature", 0, 1000},
                      {16, "animation speed", 0, 1000}};
        for (const auto& b : bornes) {
            const auto ligne = [&](int valeur, bool accepte) {
                QStringList t = bon;
                t[b.numero - 1] = texteEntierEnregistrement(valeur);
                QTest::addRow("%s %d %s", b.nom, valeur, accepte ? "accepted" : "refused")
                    << t << (accepte ? ErreurConfiguration::aucune : ErreurConfiguration::lectureImpossible)
                    << (accepte ? 27 : b.numero - 1);
            };
            ligne(b.minimum, true);
            ligne(b.maximum, true);
            ligne(b.minimum - 1, false);
            ligne(b.maximum + 1, false);
        }
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
        if (erreur != ErreurConfiguration::fichierNonValide) QCOMPARE(lu.dernierEnregistrementLu, dernierLu);
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

    // Record 23, "Tracer en gras", unticked by default; record 20, the
    // second curve, shown by default.
    void flagsOnlyExactOne_data() {
        QTest::addColumn<int>("enregistrement");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("coche");
        QTest::newRow("1") << 23 << "1" << true;
        QTest::newRow("leading blank") << 23 << " 1" << false;
        QTest::newRow("minus one") << 23 << "-1" << false;
        QTest::newRow("zero") << 23 << "0" << false;
        QTest::newRow("empty") << 23 << "" << false;
        QTest::newRow("ten") << 23 << "10" << false;
        QTest::newRow("trailing blank") << 23 << "1 " << false;
        QTest::newRow("a curve hidden") << 20 << "0" << false;
    }
    void flagsOnlyExactOne() {
        QFETCH(int, enregistrement);
        QFETCH(QString, texte);
        QFETCH(bool, coche);
        QStringList t = textesConfiguration(Configuration{});
        t[enregistrement - 1] = texte;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("x.C15");
        ecrireBrut(chemin, t);
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::aucune);
        QCOMPARE(enregistrement == 23 ? lu.configuration.traceGras : lu.configuration.courbes[1], coche);
    }

    // Integer records hold a leading number: what follows it is ignored.
    void integersAreLeadingNumbers_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("temperature");
        QTest::newRow("decimal comma ends the number") << "3,7" << 3;
        QTest::newRow("letters after a blank") << "2 abc" << 2;
    }
    void integersAreLeadingNumbers() {
        QFETCH(QString, texte);
        QFETCH(int, temperature);
        QStringList t = textesConfiguration(Configuration{});
        t[14] = texte;
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("x.C15");
        ecrireBrut(chemin, t);
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, ErreurConfiguration::aucune);
        QCOMPARE(int(lu.configuration.temperature), temperature);
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
