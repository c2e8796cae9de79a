#include "TestRegistry.h"

#include "output/Aide.h"
#include "platform/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace vedo;

namespace {
// The build ships the help beside every executable, this test's included.
QString repertoireLivre() {
    return QCoreApplication::applicationDirPath();
}

QImage grapheDessine() {
    QImage image(413, 235, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 50; x < 350; ++x)
        image.setPixelColor(x, 210 - (x - 50) * 200 / 300, Qt::blue);
    return image;
}

QStringList ancresDuDocument(const QTextDocument& document) {
    QStringList ancres;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            ancres << it.fragment().charFormat().anchorNames();
    return ancres;
}
} // namespace

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void helpPath_data() {
        QTest::addColumn<QString>("repertoire");
        QTest::newRow("without a trailing separator") << "/opt/vedo";
        QTest::newRow("with a trailing separator") << "/opt/vedo/";
    }
    void helpPath() {
        QFETCH(QString, repertoire);
        QCOMPARE(cheminAide(repertoire), QString("/opt/vedo/QORV.hlp"));
    }

    void opensTheShippedHelpAtItsContents() {
        FenetreAide fenetre;
        ScriptedPrompter prompter;
        ouvrirAide(fenetre, prompter, repertoireLivre(), grapheDessine(), [](const QImage&) {});
        QVERIFY(prompter.questions.empty());
        QVERIFY(fenetre.isVisible());
        const QTextBrowser* navigateur = fenetre.navigateur();
        QCOMPARE(navigateur->source().fileName(), QString("QORV.hlp"));
        QCOMPARE(navigateur->verticalScrollBar()->value(), 0);
        const QString texte = navigateur->toPlainText();
        QVERIFY(texte.contains("Sommaire"));
        // French text read as UTF-8.
        QVERIFY(texte.contains("Réaction"));
        QVERIFY(texte.contains("État final"));
    }

    void everyLinkOfTheHelpLeadsSomewhere() {
        FenetreAide fenetre;
        QVERIFY(fenetre.ouvrirSommaire(cheminAide(repertoireLivre())));
        const QTextDocument& document = *fenetre.navigateur()->document();
        const QStringList ancres = ancresDuDocument(document);
        QStringList liens;
        for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
            for (auto it = bloc.begin(); !it.atEnd(); ++it) {
                const QString lien = it.fragment().charFormat().anchorHref();
                if (lien.startsWith('#')) liens << lien.mid(1);
            }
        QVERIFY2(liens.size() >= 10, "the contents page links every chapter");
        for (const QString& lien : liens)
            QVERIFY2(ancres.contains(lien), qPrintable(lien));
    }

    void contentsCoverTheSimulator_data() {
        QTest::addColumn<QString>("sujet");
        for (const char* sujet :
             {"Co&pier", "&Imprimer", "Conserver les courbes", "tangente", "Qr", "Historique", "Calculatrice",
              "Prise en main", "Distiller", "Agrandir", "Utiliser le clavier"})
            QTest::newRow(sujet) << QString::fromUtf8(sujet).remove('&');
    }
    void contentsCoverTheSimulator() {
        QFETCH(QString, sujet);
        FenetreAide fenetre;
        QVERIFY(fenetre.ouvrirSommaire(cheminAide(repertoireLivre())));
        QVERIFY(fenetre.navigateur()->toPlainText().contains(sujet, Qt::CaseInsensitive));
    }

    // Over the main window, not in a corner of the screen, and never off it.
    void opensOverTheMainWindow_data() {
        QTest::addColumn<QPoint>("coin");
        QTest::newRow("main window in the screen") << QPoint(40, 30);
        QTest::newRow("main window partly off the screen") << QPoint(500, 300);
    }
    void opensOverTheMainWindow() {
        QFETCH(QPoint, coin);
        QWidget principale;
        principale.setGeometry(QRect(coin, QSize(800, 600)));
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        auto* fenetre = new FenetreAide(&principale);
        ScriptedPrompter prompter;
        ouvrirAide(*fenetre, prompter, repertoireLivre(), grapheDessine(), [](const QImage&) {});
        QVERIFY(QTest::qWaitForWindowExposed(fenetre));
        const QRect ecran = principale.screen()->availableGeometry();
        const QRect cadre = fenetre->frameGeometry();
        QVERIFY2(ecran.contains(cadre), qPrintable(QStringLiteral("%1,%2").arg(cadre.x()).arg(cadre.y())));
        QRect attendu(QPoint(), cadre.size());
        attendu.moveCenter(principale.frameGeometry().center());
        if (ecran.contains(attendu))
            QCOMPARE(cadre.topLeft(), attendu.topLeft());
        else
            QCOMPARE(cadre.bottomRight(), ecran.bottomRight());
    }

    void escapeCloses() {
        FenetreAide fenetre;
        ScriptedPrompter prompter;
        ouvrirAide(fenetre, prompter, repertoireLivre(), grapheDessine(), [](const QImage&) {});
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        QTest::keyClick(fenetre.navigateur(), Qt::Key_Escape);
        QVERIFY(!fenetre.isVisible());
    }

    void missingHelpIsReported() {
        QTemporaryDir vide;
        FenetreAide fenetre;
        ScriptedPrompter prompter;
        ouvrirAide(fenetre, prompter, vide.path(), grapheDessine(), [](const QImage&) {});
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(prompter.questions[0].titre, std::string("Aide"));
        QCOMPARE(prompter.questions[0].icone, Icone::critique);
        QVERIFY(prompter.questions[0].texte.find("QORV.hlp") != std::string::npos);
        QVERIFY(prompter.questions[0].texte.find("introuvable") != std::string::npos);
        QVERIFY(!fenetre.isVisible());
    }

    void graphIdenticalAfterTheHelp_data() {
        QTest::addColumn<bool>("aideLivree");
        QTest::newRow("help shown") << true;
        QTest::newRow("help missing") << false;
    }
    void graphIdenticalAfterTheHelp() {
        QFETCH(bool, aideLivree);
        QTemporaryDir vide;
        FenetreAide fenetre;
        ScriptedPrompter prompter;
        QImage graphe = grapheDessine();
        const QImage avant = graphe.copy();
        int remis = 0;
        ouvrirAide(fenetre, prompter, aideLivree ? repertoireLivre() : vide.path(), graphe,
                   [&](const QImage& sauvetage) {
                       graphe = sauvetage;
                       ++remis;
                   });
        QCOMPARE(remis, 1);
        QCOMPARE(graphe, avant);
    }
};

VEDO_TEST(TestAide);
#include "tst_aide.moc"
