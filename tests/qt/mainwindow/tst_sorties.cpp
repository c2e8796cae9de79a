#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "platform/DessinQt.h"

#include "output/Copie.h"
#include "platform/SurfaceImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace vedo;

namespace {

// Chooses an item of the copy menu, saving to `fichier`; returns what was written.
QByteArray enregistrer(FenetreDeTest& f, ChoixCopie choix, const QString& fichier) {
    f.prompteur.reponsesMenus = {choix};
    f.prompteur.reponsesFichiers = {fichier.toStdString()};
    controles(f).Command4->click();
    QFile lu(fichier);
    return lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray();
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
        controles(f).Command4->click();
        QCOMPARE(f.prompteur.questions.back().genre, std::string("menu"));
        QVERIFY(f.prompteur.questions.back().texte.starts_with("Copier l'animation|Copier le graphe"));
        // The confirmation shows even when nothing was chosen, and passing
        // over "Copier" keeps it.
        QVERIFY(controles(f).info->text().startsWith("L'image est copiée"));
        if (image.isValid()) QCOMPARE(QGuiApplication::clipboard()->image().size(), image);
    }

    void printDialogCancelledPrintsNothing() {
        FenetreDeTest f;
        controles(f).Command10->click();
        QCOMPARE(f.prompteur.questions.back().genre, std::string("dialogue"));
        QCOMPARE(f.prompteur.questions.back().titre, std::string("Imprimer"));
    }

    void calculatorOpensModally() {
        FenetreDeTest f;
        controles(f).Command8->click();
        QCOMPARE(f.prompteur.questions.back().genre, std::string("dialogue"));
        QCOMPARE(f.prompteur.questions.back().titre, std::string("Machine à calculer"));
    }

    // The saved graph is drawn again from what the window drew on its
    // picture since the frame: the same picture, whatever happened on it,
    // with its texts as text and one path per curve and per tangent.
    void savedGraphIsWhatThePictureShows_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("chemins");
        QTest::addColumn<int>("ecartsAdmis"); // the screen leaves out the last pixel of a tangent
        QTest::newRow("final state") << "final state" << 4 << 0;
        QTest::newRow("two kept runs") << "two kept runs" << 8 << 0;
        QTest::newRow("animated run on its way") << "animated" << 4 << 0;
        QTest::newRow("enlarged during an animated run") << "enlarged animated" << 4 << 0;
        QTest::newRow("B's colour changed during an animated run") << "colour animated" << 5 << 0;
        QTest::newRow("bold lines") << "bold lines" << 4 << 0;
        QTest::newRow("tangents to the kept run") << "tangents" << 8 << 4;
    }
    void savedGraphIsWhatThePictureShows() {
        QFETCH(QString, scenario);
        QFETCH(int, chemins);
        QFETCH(int, ecartsAdmis);
        FenetreDeTest f;
        if (scenario == "final state" || scenario == "tangents") controles(f).Command3->click();
        if (scenario == "two kept runs") {
            controles(f).frame2->Check2->click();
            controles(f).Command3->click();
            controles(f).Picture3->HScroll1->setValue(1000);
            controles(f).Command3->click();
        }
        if (scenario.contains("animated")) controles(f).Command5->click();
        for (int tick = 0; tick < 40 && scenario.contains("animated"); ++tick) {
            if (tick == 20 && scenario.startsWith("enlarged")) f->modele().Command12_Click();
            if (tick == 20 && scenario.startsWith("colour")) {
                f.prompteur.reponsesCouleurs = {couleurDe(QColor(Qt::red))};
                f->modele().Label4_Click(1);
            }
            f->modele().Timer1_Timer();
        }
        if (scenario == "bold lines") controles(f).frame2->Check1->click();
        if (scenario == "tangents") f->modele().tander(300, f.etat.courbes.emplacement(0));

        const QImage ecran = controles(f).Picture2->image();
        QImage encore(ecran.size(), QImage::Format_RGB32);
        SurfaceImage surface(encore);
        f->modele().dessinGraphe.dessiner(surface);
        int ecarts = 0;
        for (int y = 0; y < ecran.height(); ++y)
            for (int x = 0; x < ecran.width(); ++x)
                ecarts += encore.pixel(x, y) != ecran.pixel(x, y);
        QVERIFY2(ecarts <= ecartsAdmis, qPrintable(QString::number(ecarts)));

        // Paths in another colour than the frame's black and grey; texts; no picture.
        QTemporaryDir dossier;
        QXmlStreamReader svg(enregistrer(f, copEnregistrerGraphe, dossier.filePath("g.svg")));
        QStringList textes, traits{QString()}; // the stroke of each open group
        int courbes = 0;
        while (!svg.atEnd()) {
            svg.readNext();
            if (svg.isEndElement() && svg.name() == QLatin1String("g")) traits.removeLast();
            if (!svg.isStartElement()) continue;
            QVERIFY(svg.name() != QLatin1String("image"));
            if (svg.name() == QLatin1String("svg"))
                QCOMPARE(svg.attributes().value("viewBox"),
                         QString("0 0 %1 %2").arg(ecran.width()).arg(ecran.height()));
            if (svg.name() == QLatin1String("g")) traits << svg.attributes().value("stroke").toString();
            if (svg.name() == QLatin1String("path"))
                courbes += !QStringList{"#000000", "#c0c0c0"}.contains(traits.last());
            if (svg.name() == QLatin1String("text")) textes << svg.readElementText();
        }
        QVERIFY(!svg.hasError());
        QCOMPARE(courbes, chemins);
        for (const char* texte : {"Quantité de matière (mol)", "t ", "(min)", "0", "10", "0,1"})
            QVERIFY2(textes.contains(QString::fromUtf8(texte)), texte);
        const QString pdf =
            QString::fromLatin1(enregistrer(f, copEnregistrerGraphe, dossier.filePath("g.pdf")));
        QCOMPARE(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
        QVERIFY(pdf.contains(
            QString("/MediaBox [0 0 %1.000000 %2.000000]").arg(ecran.width()).arg(ecran.height())));
        QVERIFY(!pdf.contains(QRegularExpression("/Subtype\\s*/Image")));
        QCOMPARE(QImage::fromData(enregistrer(f, copEnregistrerGraphe, dossier.filePath("g.png"))), ecran);
    }

    // Every cell as the grid shows it, the hidden Qr included, under the
    // configuration's name, in the documents folder, then where the last file went.
    void savedTableIsTheGrid() {
        FenetreDeTest f;
        f.etat.fichcourant = "/classe/TP2.C15";
        controles(f).Command3->click();
        controles(f).frame2->Check3->click();
        QVERIFY(!controles(f).frame2->Check3->isChecked());
        QTemporaryDir dossier;
        const QByteArray csv = enregistrer(f, copEnregistrerTableau, dossier.filePath("t.csv"));
        enregistrer(f, copEnregistrerTableau, dossier.filePath("t.csv"));
        const auto& demandes = f.prompteur.demandesFichiers;
        QCOMPARE(QString::fromStdString(demandes[0].repertoire), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(QString::fromStdString(demandes[1].repertoire), dossier.path());
        QCOMPARE(demandes[0].nomPropose, std::string("TP2.csv"));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!csv.contains('.'));
        QStringList lignes = QString::fromUtf8(csv).split("\r\n");
        QCOMPARE(lignes.takeLast(), QString());
        QCOMPARE(lignes.takeFirst(), QString("t (min);Acide carboxylique;Alcool;Ester;Eau;Qr"));
        QCOMPARE(lignes.size(), controles(f).MSFlexGrid1->rowCount());
        for (int r = 0; r < lignes.size(); ++r) {
            const QStringList cellules = lignes[r].split(';');
            QCOMPARE(cellules.size(), 6);
            for (int c = 0; c < 6; ++c)
                QCOMPARE(cellules[c], controles(f).MSFlexGrid1->item(r, c)->text());
        }
        QVERIFY(!lignes.last().split(';')[5].isEmpty());
    }

    void helpKeepsTheGraph() {
        FenetreDeTest f;
        controles(f).Command3->click();
        const QImage avant = controles(f).Picture2->image();
        controles(f).Command7->click();
        QCOMPARE(controles(f).Picture2->image(), avant);
        // Either the guide opens or a French message says it is missing.
        const bool ouverte = f->findChild<QWidget*>("aide") && f->findChild<QWidget*>("aide")->isVisible();
        QVERIFY(ouverte || !f.prompteur.messages().isEmpty());
    }
};

VEDO_TEST(TestSorties);
#include "tst_sorties.moc"
