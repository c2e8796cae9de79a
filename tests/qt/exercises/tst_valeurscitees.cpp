#include "TestRegistry.h"

#include "cli/DescriptionExercice.h"
#include "cli/EtatFinal.h"
#include "cli/RunOptions.h"
#include "engine/Durations.h"
#include "exercises/RtfFichier.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTextDocument>
#include <QtTest>

#include <cmath>

using namespace vedo;
using namespace vedo::cli;

// Each figure that a shipped text quotes, listed in the exercise's
// valeurs.txt, is recomputed with the table of "État final" and looked for in
// the text the build ships (see data/exercises/README.md).

namespace {

// Keys of a text section of exercice.txt that are not conditions.
const QStringList clesNonConditions = {"texte", "rtf", "c15", "keep-curves", "values-table"};

QStringList conditions(const SectionDescription& s) {
    QStringList arguments;
    for (const auto& [cle, valeur] : s.valeurs)
        if (!clesNonConditions.contains(cle)) arguments << "--" + cle << valeur;
    return arguments;
}

// "Ester à 20 h", "Qr à 0,1 min", "Ester à 2 h en %".
const QRegularExpression grandeurCitee(QStringLiteral("^(.+) à (\\d+(?:,\\d+)?) (h|min|s)( en %)?$"));

double nombre(QString texte) {
    return texte.replace(',', '.').toDouble();
}

} // namespace

class TestValeursCitees : public QObject {
    Q_OBJECT
private slots:
    void everyQuotedFigureIsTheSimulators_data() {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("grandeur");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("erreur");
        const QDir racine(QStringLiteral(VEDO_EXERCICES));
        int figures = 0;
        for (const QString& dossier : racine.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QDir d(racine.filePath(dossier));
            if (!d.exists("valeurs.txt")) continue;
            QString erreur;
            const auto exercice = lireDescriptionExercice(d.filePath("exercice.txt"), erreur);
            const auto valeurs = lireDescriptionExercice(d.filePath("valeurs.txt"), erreur);
            if (!exercice || !valeurs) {
                QTest::newRow(qPrintable(dossier)) << QString() << QStringList() << QString() << QString()
                                                   << erreur;
                continue;
            }
            for (const auto& s : valeurs->sections) {
                if (s.nom.isEmpty() && s.valeurs.isEmpty()) continue;
                // "[correction, alcool secondaire]": the text, then what the conditions change.
                const SectionDescription* texte = exercice->section(s.nom.section(',', 0, 0).trimmed());
                QStringList arguments = texte ? conditions(*texte) : QStringList();
                for (const auto& [cle, v] : s.valeurs)
                    if (!grandeurCitee.match(cle).hasMatch()) arguments << "--" + cle << v;
                for (const auto& [cle, v] : s.valeurs) {
                    if (!grandeurCitee.match(cle).hasMatch()) continue;
                    ++figures;
                    QTest::newRow(qPrintable(QString("%1, %2: %3 = %4").arg(dossier, s.nom, cle, v)))
                        << (texte ? texte->valeur("rtf") : QString()) << arguments << cle << v
                        << (texte ? QString() : "pas de section [" + s.nom + "] dans exercice.txt");
                }
            }
        }
        QVERIFY(figures >= 50);
    }
    void everyQuotedFigureIsTheSimulators() {
        QFETCH(QString, rtf);
        QFETCH(QStringList, arguments);
        QFETCH(QString, grandeur);
        QFETCH(QString, valeur);
        QFETCH(QString, erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

        QVERIFY2(!arguments.isEmpty(), "aucun réglage");
        const auto options = lireOptionsRun(arguments, erreur);
        QVERIFY2(options && options->restants.isEmpty(), qPrintable(erreur + arguments.join(' ')));
        const Configuration& c = options->reglages;
        const TableauValeurs tableau = tableauEtatFinal(c);

        const auto g = grandeurCitee.match(grandeur);
        const auto enTetes = tableau.enTetes(c.reaction);
        int colonne = -1;
        for (int i = 1; i < colonnesTableau; ++i)
            if (QString::fromStdString(enTetes[i]).remove("\r\n").compare(g.captured(1), Qt::CaseInsensitive) == 0)
                colonne = i;
        QVERIFY2(colonne > 0, qPrintable("pas de colonne « " + g.captured(1) + " » dans le tableau"));
        const double secondes = nombre(g.captured(2)) * (g.captured(3) == "h" ? 3600 : g.captured(3) == "min" ? 60 : 1);
        const double rang = secondes * (tableau.nombreLignes() - 1) / dureePosition(c.positionDuree);
        const int ligne = static_cast<int>(std::lround(rang));
        QVERIFY2(std::abs(rang - ligne) < 1e-6 && ligne < tableau.nombreLignes(),
                 "cet instant n'est pas une ligne du tableau");

        const QString cellule = QString::fromStdString(tableau.ligne(ligne)[static_cast<std::size_t>(colonne)]);
        const double calculee = nombre(cellule) * (g.captured(4).isEmpty() ? 1 : 100);
        // The figure is the table's, rounded to the digits the text gives.
        const int decimales = valeur.contains(',') ? static_cast<int>(valeur.size() - valeur.indexOf(',') - 1) : 0;
        QVERIFY2(std::abs(calculee - nombre(valeur)) <= 0.5 * std::pow(10.0, -decimales) + 1e-9,
                 qPrintable("le tableau donne " + cellule));

        QTextDocument texte;
        QVERIFY2(chargerRtf(QDir(QCoreApplication::applicationDirPath()).filePath(rtf), texte), qPrintable(rtf));
        const QRegularExpression cite("(?<![\\d,])" + QRegularExpression::escape(valeur) + "(?!\\d|,\\d)");
        QVERIFY2(texte.toPlainText().contains(cite), qPrintable(valeur + " n'est pas dans " + rtf));
    }
};

VEDO_TEST(TestValeursCitees);
#include "tst_valeurscitees.moc"
