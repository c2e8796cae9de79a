#include "TestRegistry.h"

#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "persistence/ConfigurationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

namespace {

// The build puts the shipped exercises beside the executables, tests included.
QDir repertoireLivraison() {
    return QDir(QCoreApplication::applicationDirPath());
}

QStringList exercicesLivres() {
    return repertoireLivraison().entryList({QString("*") + extensionExercice}, QDir::Files, QDir::Name);
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
        QVERIFY(!QString::fromStdString(e->titre).trimmed().isEmpty());
        QVERIFY(!e->texteNotions().empty());
        QVERIFY(e->etoilesAllumees() >= 1);
        QVERIFY(!e->sabliers().empty());
        QVERIFY(e->corrige());
        verifierTexte(QString::fromStdString(e->enonce));
        verifierConfiguration(QString::fromStdString(e->configuration));
        verifierTexte(QString::fromStdString(e->correction));
        verifierConfiguration(QString::fromStdString(e->configurationCorrection));
    }

    // No line breaks inside « » nor between a number and its unit, in what
    // the student reads: the RTF texts and the help.
    void shippedTextsKeepTheirSpacesUnbroken_data() {
        QTest::addColumn<QString>("nom");
        for (const QString& nom : repertoireLivraison().entryList({"*.RTF", "QORV.hlp"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(nom)) << nom;
    }
    void shippedTextsKeepTheirSpacesUnbroken() {
        QFETCH(QString, nom);
        QTextDocument texte;
        if (nom.endsWith(".hlp")) {
            QFile aide(repertoireLivraison().filePath(nom));
            QVERIFY(aide.open(QIODevice::ReadOnly));
            texte.setHtml(QString::fromUtf8(aide.readAll()));
        } else {
            QVERIFY(chargerRtf(repertoireLivraison().filePath(nom), texte));
        }
        const QString brut = texte.toRawText();
        // The spaces at which a line may break; U+00A0 is not one of them.
        static const QRegularExpression coupure(QStringLiteral(
            "«[ \\t\\x{2028}\\x{2029}]|[ \\t\\x{2028}\\x{2029}]»|\\d[ \\t\\x{2028}\\x{2029}](°C|mol|min|h|s|%)(?!\\w)"));
        const auto trouve = coupure.match(brut);
        QVERIFY2(!trouve.hasMatch(), qPrintable(brut.mid(trouve.capturedStart() - 20, 40)));
        QVERIFY(brut.contains(QChar::Nbsp));
    }

    void gettingStartedActivityShips() {
        const auto e = lireFichierExercice(repertoireLivraison().filePath(nomPriseEnMain));
        QVERIFY(e);
        verifierTexte(QString::fromStdString(e->enonce));
        verifierConfiguration(QString::fromStdString(e->configuration));
    }
};

VEDO_TEST(TestExercicesLivres);
#include "tst_exerciceslivres.moc"
