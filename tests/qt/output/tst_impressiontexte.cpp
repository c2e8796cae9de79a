#include "Pdf.h"
#include "TextePdf.h"
#include "TestRegistry.h"

#include "output/ChoixImprimante.h"
#include "output/ImpressionTexte.h"
#include "platform/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace vedo;

class TestImpressionTexte : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;

private slots:
    void printsTheWholeText_data() {
        QTest::addColumn<int>("paragraphes");
        QTest::addColumn<bool>("plusieursPages");
        QTest::newRow("a short statement") << 3 << false;
        QTest::newRow("a long text over several pages") << 400 << true;
    }
    void printsTheWholeText() {
        QFETCH(int, paragraphes);
        QFETCH(bool, plusieursPages);
        QTextDocument texte;
        QString html = QStringLiteral("<h1>Estérification</h1>");
        for (int i = 0; i < paragraphes; ++i)
            html += QStringLiteral("<p><b>Question %1 :</b> tracer la tangente.</p>").arg(i);
        texte.setHtml(html);

        const QString fichier = dossier_.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        ScriptedPrompter prompter;
        prompter.reponsesImprimante = {true};
        prompter.reponsesFichiers = {fichier.toStdString()};
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(imprimerTexte(texte, choix, prompter, nullptr));
        TextePdf imprime = textePdf(fichier);
        QCOMPARE(imprime.pages.size(), pagesPdf(fichier));
        QCOMPARE(imprime.pages.size() > 1, plusieursPages);
        // Every paragraph once, in order, each question's number in bold and
        // the rest not; each page ends with its number.
        QString attendu = QStringLiteral("Estérification"), gras = attendu;
        for (int i = 0; i < paragraphes; ++i) {
            attendu += QStringLiteral("Question%1:tracerlatangente.").arg(i);
            gras += QStringLiteral("Question%1:").arg(i);
        }
        for (int i = 0; i < imprime.pages.size(); ++i) {
            QVERIFY(imprime.pages[i].endsWith(QString::number(i + 1)));
            imprime.pages[i].chop(QString::number(i + 1).size());
        }
        QCOMPARE(imprime.pages.join(QString()), attendu);
        QCOMPARE(imprime.texteGras, gras);
    }

    void fileNamedInTheSetupIsNotAskedAgain() {
        // The set-up dialog of a system without a printer asks for the file itself.
        struct PrompterQuiNommeLeFichier : ScriptedPrompter {
            QString fichier;
            bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override {
                ScriptedPrompter::reglerImprimante(parent, imprimante);
                imprimante.setOutputFileName(fichier);
                return true;
            }
        } prompter;
        prompter.fichier = dossier_.filePath("nomme.pdf");
        QTextDocument texte(QStringLiteral("Énoncé"));
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(imprimerTexte(texte, choix, prompter, nullptr));
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(pagesPdf(prompter.fichier), 1);
    }

    void cancelledSetupPrintsNothing() {
        QTextDocument texte(QStringLiteral("Énoncé"));
        ScriptedPrompter prompter;
        prompter.reponsesImprimante = {false};
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!imprimerTexte(texte, choix, prompter, nullptr));
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(prompter.questions[0].genre, std::string("imprimante"));
    }

    void cancelledFilePrintsNothing() {
        QTextDocument texte(QStringLiteral("Énoncé"));
        ScriptedPrompter prompter;
        prompter.reponsesImprimante = {true};
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!imprimerTexte(texte, choix, prompter, nullptr));
        QCOMPARE(prompter.questions.size(), 2);
        QVERIFY(choix.imprimante().outputFileName().isEmpty());
    }
};

VEDO_TEST(TestImpressionTexte);
#include "tst_impressiontexte.moc"
