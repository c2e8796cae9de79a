#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace vedo;

class TestSorties : public QObject {
    Q_OBJECT
private slots:
    void copyMenuFromTheButton_data() {
        QTest::addColumn<int>("choix");
        QTest::addColumn<QSize>("image");
        QTest::newRow("apparatus picture") << 0 << QSize(361, 235);
        QTest::newRow("graph picture") << 1 << QSize(413, 235);
        QTest::newRow("nothing chosen") << -1 << QSize();
    }
    void copyMenuFromTheButton() {
        QFETCH(int, choix);
        QFETCH(QSize, image);
        FenetreDeTest f;
        QGuiApplication::clipboard()->clear();
        f.prompteur.reponsesMenus.push_back(choix);
        f->Command4->click();
        QCOMPARE(f.prompteur.questions.last().genre, QString("menu"));
        QVERIFY(f.prompteur.questions.last().texte.startsWith("Copier l'animation|Copier le graphe"));
        // The confirmation shows even when nothing was chosen, and passing
        // over "Copier" keeps it.
        QVERIFY(f->info->text().startsWith("L'image est copiée"));
        if (image.isValid()) QCOMPARE(QGuiApplication::clipboard()->image().size(), image);
    }

    void printDialogCancelledPrintsNothing() {
        FenetreDeTest f;
        f->Command10->click();
        QCOMPARE(f.prompteur.questions.last().genre, QString("dialogue"));
        QCOMPARE(f.prompteur.questions.last().titre, QString("Imprimer"));
    }

    void calculatorOpensModally() {
        FenetreDeTest f;
        f->Command8->click();
        QCOMPARE(f.prompteur.questions.last().genre, QString("dialogue"));
        QCOMPARE(f.prompteur.questions.last().titre, QString("Machine à calculer"));
    }

    void helpKeepsTheGraph() {
        FenetreDeTest f;
        f->Command3->click();
        const QImage avant = f->Picture2->image();
        f->Command7->click();
        QCOMPARE(f->Picture2->image(), avant);
        // Either the guide opens or a French message says it is missing.
        const bool ouverte = f->findChild<QWidget*>("aide") && f->findChild<QWidget*>("aide")->isVisible();
        QVERIFY(ouverte || !f.prompteur.messages().isEmpty());
    }
};

VEDO_TEST(TestSorties);
#include "tst_sorties.moc"
