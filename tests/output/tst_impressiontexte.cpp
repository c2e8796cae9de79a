#include "Pdf.h"
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
        prompter.reponsesFichiers = {fichier};
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(imprimerTexte(texte, choix, prompter, nullptr));
        const int pages = pagesPdf(fichier);
        QVERIFY(pages >= 1);
        QCOMPARE(pages > 1, plusieursPages);
    }

    void cancelledSetupPrintsNothing() {
        QTextDocument texte(QStringLiteral("Énoncé"));
        ScriptedPrompter prompter;
        prompter.reponsesImprimante = {false};
        ChoixImprimante choix;
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        QVERIFY(!imprimerTexte(texte, choix, prompter, nullptr));
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(prompter.questions[0].genre, QString("imprimante"));
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
