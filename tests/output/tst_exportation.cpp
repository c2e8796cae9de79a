#include "DisqueLimite.h"
#include "Pdf.h"
#include "TestRegistry.h"

#include "output/Copie.h"
#include "output/Exportation.h"
#include "persistence/FichierEntier.h"
#include "platform/ScriptedPrompter.h"
#include "view/DessinGraphe.h"

#include <QBuffer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace vedo;

namespace {

const CouleursCourbes couleurs = {QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 128, 0),
                                  QColor(0, 192, 0)};

// A run of 10 minutes from 2 mol of A and B, with only A and D shown.
struct Graphe {
    QImage ecran;
    DessinGraphe dessin;

    explicit Graphe(int k) {
        ecran = k == 1 ? QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32)
                       : QImage(largeurGrapheAgrandi, hauteurGrapheAgrandi, QImage::Format_RGB32);
        CadreGraphe cadre;
        cadre.echelle = {k, 600, 2.0f};
        cadre.couleurs = couleurs;
        cadre.affichees = {true, false, false, true};
        cadre.departs = {2.0, 2.0, 0.0, 0.0};
        dessin.dessinerCadre(ecran, cadre);
        PointsPrecedents precedents;
        TraceurCourbes traceur(ecran, cadre.echelle, cadre.affichees, couleurs, 1, precedents, &dessin);
        traceur.premierPoint({2, 2, 0, 0});
        for (int i = 1; i <= 60; ++i) {
            const double x = 1.0 - std::exp(-i / 20.0);
            traceur.point(10.0 * i, {2 - x, 2 - x, x, x});
        }
    }
};

// What an SVG holds: its texts, its paths counted by their stroke colour, its images.
struct ContenuSvg {
    QString viewBox;
    QStringList textes;
    QMap<QString, int> chemins;
    int images = 0;
    bool valide = false;
};

ContenuSvg lireSvg(const QByteArray& svg) {
    ContenuSvg c;
    QXmlStreamReader xml(svg);
    QStringList traits{QString()}; // the stroke of each open group
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) traits.removeLast();
        if (!xml.isStartElement()) continue;
        const auto nom = xml.name();
        if (nom == QLatin1String("svg")) c.viewBox = xml.attributes().value("viewBox").toString();
        if (nom == QLatin1String("g")) traits << xml.attributes().value("stroke").toString();
        if (nom == QLatin1String("path")) ++c.chemins[traits.last()];
        if (nom == QLatin1String("image")) ++c.images;
        if (nom == QLatin1String("text")) c.textes << xml.readElementText();
    }
    c.valide = !xml.hasError();
    return c;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExportation : public QObject {
    Q_OBJECT
private slots:
    void formatFromTheExtension_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("format");
        QTest::newRow("svg") << "/tmp/graphe.svg" << int(FormatGraphe::svg);
        QTest::newRow("PDF in capitals") << "TP 3.PDF" << int(FormatGraphe::pdf);
        QTest::newRow("png after a dotted name") << "tp.v2.png" << int(FormatGraphe::png);
        QTest::newRow("jpg") << "graphe.jpg" << -1;
        QTest::newRow("no extension") << "graphe" << -1;
    }
    void formatFromTheExtension() {
        QFETCH(QString, nom);
        QFETCH(int, format);
        const auto f = formatGraphe(nom);
        QCOMPARE(f ? int(*f) : -1, format);
    }

    // Axes, graduations and titles as text, one path per shown curve, no picture inside.
    void svgIsAVectorDrawing_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("viewBox");
        QTest::newRow("normal") << 1 << "0 0 413 235";
        QTest::newRow("enlarged") << 2 << "0 0 789 503";
    }
    void svgIsAVectorDrawing() {
        QFETCH(int, k);
        QFETCH(QString, viewBox);
        const Graphe g(k);
        const ContenuSvg svg = lireSvg(fichierGraphe(FormatGraphe::svg, g.dessin, g.ecran));
        QVERIFY(svg.valide);
        QCOMPARE(svg.viewBox, viewBox);
        for (const char* texte : {"Quantité de matière (mol)", "t ", "(min)", "0", "5", "10", "0,4", "2"})
            QVERIFY2(svg.textes.contains(QString::fromUtf8(texte)), texte);
        QCOMPARE(svg.chemins.value("#0000ff"), 1);
        QCOMPARE(svg.chemins.value("#00c000"), 1);
        QCOMPARE(svg.chemins.value("#ff00ff") + svg.chemins.value("#ff8000"), 0);
        QCOMPARE(svg.images, 0);
    }

    void pdfIsOnePageOfTheGraphSize_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("page");
        QTest::newRow("normal") << 1 << "/MediaBox \\[0 0 413(\\.0*)? 235(\\.0*)?\\]";
        QTest::newRow("enlarged") << 2 << "/MediaBox \\[0 0 789(\\.0*)? 503(\\.0*)?\\]";
    }
    void pdfIsOnePageOfTheGraphSize() {
        QFETCH(int, k);
        QFETCH(QString, page);
        const Graphe g(k);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("g.pdf");
        QVERIFY(ecrireFichierEntier(chemin, fichierGraphe(FormatGraphe::pdf, g.dessin, g.ecran)));
        QCOMPARE(pagesPdf(chemin), 1);
        const QString pdf = QString::fromLatin1(lire(chemin));
        QVERIFY(pdf.contains(QRegularExpression(page)));
        QVERIFY(!pdf.contains(QRegularExpression("/Subtype\\s*/Image")));
    }

    void pngIsThePictureAsOnScreen_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ordinary screen") << 1.0;
        QTest::newRow("two device pixels per pixel") << 2.0;
    }
    void pngIsThePictureAsOnScreen() {
        QFETCH(qreal, ratio);
        const Graphe g(1);
        const QImage png =
            QImage::fromData(fichierGraphe(FormatGraphe::png, g.dessin, g.ecran, ratio), "PNG");
        QCOMPARE(png.size(), g.ecran.size() * ratio);
        for (const QPoint p : {QPoint(50, 18), QPoint(120, 40), QPoint(200, 200)})
            QCOMPARE(png.pixel(p * ratio), g.ecran.pixel(p));
    }

    // Each save opens in the documents folder, then where the last file went,
    // proposing the configuration's name.
    void savesFromTheCopyMenu() {
        QTemporaryDir dossier;
        const Graphe g(1);
        Vues vues{QImage(), g.ecran, nullptr, {}};
        vues.dessinGraphe = &g.dessin;
        vues.tableauCsv = "\xEF\xBB\xBFt (min);Qr\r\n";
        vues.configuration = "/classe/TP 1.C15";
        ScriptedPrompter prompter;
        Exportation exportation;
        const QStringList fichiers{dossier.filePath("a.svg"), dossier.filePath("b.pdf"),
                                   dossier.filePath("c.csv")};
        const QList<int> choix{copEnregistrerGraphe, copEnregistrerGraphe, copEnregistrerTableau};
        for (int i = 0; i < 3; ++i) {
            prompter.reponsesMenus = {choix[i]};
            prompter.reponsesFichiers = {fichiers[i]};
            copier(prompter, nullptr, {}, vues, exportation);
        }
        QCOMPARE(prompter.messages(), QStringList());
        QCOMPARE(prompter.demandesFichiers.size(), 3);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(prompter.demandesFichiers[0].repertoire, documents);
        QCOMPARE(prompter.demandesFichiers[1].repertoire, dossier.path());
        QCOMPARE(prompter.demandesFichiers[0].nomPropose, QString("TP 1.svg"));
        QCOMPARE(prompter.demandesFichiers[2].nomPropose, QString("TP 1.csv"));
        QCOMPARE(prompter.demandesFichiers[0].titre, QString("Enregistrer le graphe"));
        QCOMPARE(prompter.demandesFichiers[0].filtre,
                 QString("Image vectorielle SVG (*.svg);;Document PDF (*.pdf);;Image PNG (*.png)"));
        QVERIFY(lire(fichiers[0]).startsWith("<?xml"));
        QVERIFY(lire(fichiers[1]).startsWith("%PDF"));
        QCOMPARE(lire(fichiers[2]), vues.tableauCsv);
    }

    void failedSaveKeepsTheFile_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("deja"); // what the name already is: "", "fichier" or "dossier"
        QTest::addColumn<int>("limite");   // bytes a file may grow to, 0 for no limit
        QTest::addColumn<QString>("message");
        const QString ecriture = "Enregistrement impossible: Ecriture impossible sur disque";
        QTest::newRow("folder that does not exist") << "absent/g.svg"
                                                    << "" << 0 << ecriture;
        QTest::newRow("a folder's name") << "g.svg"
                                         << "dossier" << 0 << ecriture;
        QTest::newRow("full disk over an existing file") << "g.svg"
                                                         << "fichier" << 1000 << ecriture;
        QTest::newRow("unknown extension") << "g.jpg"
                                           << "fichier" << 0
                                           << "Enregistrement impossible: Format inconnu : le nom du "
                                              "fichier doit finir par .svg, .pdf ou .png";
    }
    void failedSaveKeepsTheFile() {
        QFETCH(QString, nom);
        QFETCH(QString, deja);
        QFETCH(int, limite);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        const QByteArray ancien = "l'ancien graphe";
        if (deja == "fichier") QVERIFY(ecrireFichierEntier(chemin, ancien));
        if (deja == "dossier") QVERIFY(QDir().mkdir(chemin));
        const Graphe g(1);
        Vues vues;
        vues.graphe = g.ecran;
        vues.dessinGraphe = &g.dessin;
        ScriptedPrompter prompter;
        prompter.reponsesFichiers = {chemin};
        Exportation exportation;
        {
            std::optional<DisqueLimite> disque;
            if (limite > 0) QVERIFY(disque.emplace(limite).actif());
            exportation.enregistrerGraphe(prompter, nullptr, vues);
        }
        QCOMPARE(prompter.messages(), QStringList{message});
        QCOMPARE(prompter.questions.last().icone, QMessageBox::Critical);
        if (deja == "fichier") QCOMPARE(lire(chemin), ancien);
        // Nothing half written is left beside it.
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 deja == "fichier" ? 1 : 0);
    }
};

VEDO_TEST(TestExportation);
#include "tst_exportation.moc"
