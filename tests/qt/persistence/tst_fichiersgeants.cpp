#include "TestRegistry.h"

#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(ErreurConfiguration)

namespace {
constexpr qint64 unGiga = qint64(1) << 30;

// `debut` written at the start of a file of 1 GB made of holes: nothing is
// stored on disk beyond what was written.
QString fichierGeant(const QTemporaryDir& dossier, const QStringList& debut) {
    const QString chemin = dossier.filePath("geant.C15");
    if (!ecrireFichierEnregistrements(chemin, debut)) return {};
    QFile f(chemin);
    if (!f.resize(unGiga)) return {};
    return chemin;
}
} // namespace

class TestFichiersGeants : public QObject {
    Q_OBJECT
private slots:
    void configurationOfOneGigabyte_data() {
        QTest::addColumn<QStringList>("debut");
        QTest::addColumn<ErreurConfiguration>("erreur");
        QTest::addColumn<int>("dernierLu");
        QStringList configuration;
        for (const auto& t : textesConfiguration(Configuration{}))
            configuration << QString::fromStdString(t);
        QTest::newRow("a whole configuration, then holes")
            << configuration << ErreurConfiguration::aucune << 27;
        QTest::newRow("only holes") << QStringList{""} << ErreurConfiguration::fichierNonValide << 1;
        // Empty records read as 0: the duration position 0 stops the load.
        QTest::newRow("the identification, then holes")
            << QStringList{"ESTER"} << ErreurConfiguration::lectureImpossible << 12;
    }
    void configurationOfOneGigabyte() {
        QFETCH(QStringList, debut);
        QFETCH(ErreurConfiguration, erreur);
        QFETCH(int, dernierLu);
        QTemporaryDir dossier;
        const QString chemin = fichierGeant(dossier, debut);
        QVERIFY(!chemin.isEmpty());
        const auto lu = lireConfiguration(chemin);
        QCOMPARE(lu.erreur, erreur);
        QCOMPARE(lu.dernierEnregistrementLu, dernierLu);
        if (erreur == ErreurConfiguration::aucune) QVERIFY(lu.configuration == Configuration{});
    }

    void recordsOfOneGigabyte_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("lisible");
        QTest::addColumn<QString>("texte");
        QTest::newRow("the first record") << 1 << true << "ESTER";
        QTest::newRow("the last record, a hole") << int(unGiga / tailleEnregistrement) << true << "";
        QTest::newRow("just past the end") << int(unGiga / tailleEnregistrement) + 1 << true << "";
        QTest::newRow("the largest record number") << std::numeric_limits<int>::max() << true << "";
    }
    void recordsOfOneGigabyte() {
        QFETCH(int, numero);
        QFETCH(bool, lisible);
        QFETCH(QString, texte);
        QTemporaryDir dossier;
        QFile f(fichierGeant(dossier, {"ESTER"}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto lu = lireEnregistrement(f, numero);
        QCOMPARE(lu.has_value(), lisible);
        if (lisible) QCOMPARE(*lu, texte);
    }
};

VEDO_TEST(TestFichiersGeants);
#include "tst_fichiersgeants.moc"
