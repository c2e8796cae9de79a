#include "TestRegistry.h"

#include "FenetreDeTest.h"

#include "output/Copie.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {

// Chooses an item of the copy menu, saving to `fichier`; returns what was written.
QByteArray enregistrer(FenetreDeTest& f, ChoixCopie choix, const QString& fichier) {
    f.prompteur.reponsesMenus = {choix};
    f.prompteur.reponsesFichiers = {fichier};
    f->Command4->click();
    QFile lu(fichier);
    return lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray();
}

void animer(FenetreDeTest& f, int ticks) {
    for (int i = 0; i < ticks; ++i)
        f->Timer1_Timer();
}

} // namespace

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

    // The saved graph is drawn again from what the window drew on its
    // picture since the frame: the same picture, whatever happened on it.
    void savedGraphIsWhatThePictureShows_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("ecartsAdmis"); // the screen leaves out the last pixel of a tangent
        for (const char* scenario :
             {"final state", "two kept runs", "animated run on its way", "enlarged during an animated run",
              "colour changed during an animated run", "bold lines"})
            QTest::newRow(scenario) << scenario << 0;
        QTest::newRow("tangents to the kept run") << "tangents" << 4;
    }
    void savedGraphIsWhatThePictureShows() {
        QFETCH(QString, scenario);
        QFETCH(int, ecartsAdmis);
        FenetreDeTest f;
        if (scenario == "final state" || scenario == "tangents") f->Command3->click();
        if (scenario == "two kept runs") {
            f->frame2->Check2->click();
            f->Command3->click();
            f->Picture3->HScroll1->setValue(1000);
            f->Command3->click();
        }
        if (scenario.contains("animated")) {
            f->Command5->click();
            animer(f, 20);
        }
        if (scenario.startsWith("enlarged")) f->Command12_Click();
        if (scenario.startsWith("colour")) {
            f.prompteur.reponsesCouleurs = {QColor(Qt::red)};
            f->Label4_Click(1);
        }
        if (scenario.contains("animated")) animer(f, 20);
        if (scenario == "bold lines") f->frame2->Check1->click();
        if (scenario == "tangents") f->tander(300, f.etat.courbes.emplacement(0));

        const QImage ecran = f->Picture2->image();
        QImage encore(ecran.size(), QImage::Format_RGB32);
        {
            QPainter p(&encore);
            f->dessinGraphe.dessiner(p);
        }
        int ecarts = 0;
        for (int y = 0; y < ecran.height(); ++y)
            for (int x = 0; x < ecran.width(); ++x)
                ecarts += encore.pixel(x, y) != ecran.pixel(x, y);
        QVERIFY2(ecarts <= ecartsAdmis, qPrintable(QString::number(ecarts)));

        QTemporaryDir dossier;
        QVERIFY(enregistrer(f, copEnregistrerGraphe, dossier.filePath("g.svg")).startsWith("<?xml"));
        QCOMPARE(enregistrer(f, copEnregistrerGraphe, dossier.filePath("g.png")), [&] {
            QByteArray png;
            QBuffer tampon(&png);
            tampon.open(QIODevice::WriteOnly);
            ecran.save(&tampon, "PNG");
            return png;
        }());
    }

    // Every cell as the grid shows it, the hidden Qr included, under the
    // configuration's name.
    void savedTableIsTheGrid() {
        FenetreDeTest f;
        f.etat.fichcourant = "/classe/TP2.C15";
        f->Command3->click();
        f->frame2->Check3->click();
        QVERIFY(!f->frame2->Check3->isChecked());
        QTemporaryDir dossier;
        const QByteArray csv = enregistrer(f, copEnregistrerTableau, dossier.filePath("t.csv"));
        QCOMPARE(f.prompteur.demandesFichiers.last().nomPropose, QString("TP2.csv"));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!csv.contains('.'));
        QStringList lignes = QString::fromUtf8(csv).split("\r\n");
        QCOMPARE(lignes.takeLast(), QString());
        QCOMPARE(lignes.takeFirst(), QString("t (min);Acide carboxylique;Alcool;Ester;Eau;Qr"));
        QCOMPARE(lignes.size(), f->MSFlexGrid1->rowCount());
        for (int r = 0; r < lignes.size(); ++r) {
            const QStringList cellules = lignes[r].split(';');
            QCOMPARE(cellules.size(), 6);
            for (int c = 0; c < 6; ++c)
                QCOMPARE(cellules[c], f->MSFlexGrid1->item(r, c)->text());
        }
        QVERIFY(!lignes.last().split(';')[5].isEmpty());
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
