#include "GrilleEssai.h"
#include "Pdf.h"
#include "TestRegistry.h"

#include "output/ChoixImprimante.h"
#include "output/Confimp.h"
#include "platform/ScriptedPrompter.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {
QImage uni(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    return image;
}

QList<QCheckBox*> cases(QDialog& d) {
    return d.findChildren<QCheckBox*>(QStringLiteral("Check1"));
}

QPushButton* bouton(QDialog& d, const char* nom) {
    return d.findChild<QPushButton*>(QLatin1String(nom));
}

// A printer set-up where the user prints to a file of his choice: the name
// box must follow.
class PrompterQuiChoisitUnFichier : public ScriptedPrompter {
public:
    bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override {
        ScriptedPrompter::reglerImprimante(parent, imprimante);
        imprimante.setOutputFileName(QStringLiteral("/tmp/choisi.pdf"));
        return true;
    }
};
} // namespace

class TestConfimp : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;
    std::unique_ptr<QTableWidget> grille_;

    static ChoixImprimante& pdfA4(ChoixImprimante& choix) {
        choix.imprimante().setOutputFormat(QPrinter::PdfFormat);
        choix.imprimante().setPageSize(QPageSize(QPageSize::A4));
        return choix;
    }

    static void verifierDefauts(QDialog& d, ChoixImprimante& choix) {
        QCOMPARE(d.windowTitle(), QString("Imprimer"));
        QCOMPARE(d.findChild<QLineEdit*>("Text1")->text(), QString("Talvenore - Vedoriruvirivi"));
        QCOMPARE(d.findChild<QLineEdit*>("defaut")->text(), choix.nom());
        const auto* copies = d.findChild<QSpinBox*>("UpDown1");
        QCOMPARE(copies->value(), 1);
        QCOMPARE(copies->minimum(), 1);
        QCOMPARE(copies->maximum(), 99);
        QCOMPARE(d.findChild<QGroupBox*>("Frame1")->title(), QString("Options"));
        QStringList legendes;
        for (auto* c : cases(d))
            legendes << c->text();
        QCOMPARE(legendes, (QStringList{"L'animation", "Le graphe", "Le tableau de valeur"}));
        QCOMPARE(bouton(d, "Command1")->text(), QString("&OK"));
        QCOMPARE(bouton(d, "Command2")->text(), QString("&Imprimantes"));
        QCOMPARE(bouton(d, "Command3")->text(), QString("&Annuler"));
        const auto* attente = d.findChild<QFrame*>("frame2");
        QVERIFY(attente->isHidden());
        QCOMPARE(attente->findChild<QLabel*>()->text(), QString("Veuillez patienter quelques instants..."));
    }

private slots:
    void initTestCase() {
        QVERIFY(dossier_.isValid());
        // A table that does not fit below the two pictures but fits a page.
        ChoixImprimante choix;
        const double hauteur =
            pdfA4(choix).imprimante().pageLayout().paintRect(QPageLayout::Inch).height() * 1440;
        grille_ = grilleEssai(static_cast<int>(0.6 * hauteur / (16 * 15)), 6);
    }

    void designDefaults() {
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            verifierDefauts(d, choix);
            return QDialog::Rejected;
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), grille_.get(), {}}, nullptr);
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(prompter.questions[0].texte, std::string("vedo::Confimp"));
    }

    void printsToPdf_data() {
        QTest::addColumn<int>("exemplaires");
        QTest::addColumn<QList<bool>>("coches");
        QTest::addColumn<int>("pages");
        QTest::newRow("one copy of the two pictures") << 1 << QList<bool>{true, true, false} << 1;
        QTest::newRow("three copies") << 3 << QList<bool>{true, true, false} << 3;
        QTest::newRow("the table moves to a new page") << 1 << QList<bool>{true, true, true} << 2;
        QTest::newRow("three copies with the table") << 3 << QList<bool>{true, true, true} << 6;
        QTest::newRow("no box ticked: the title alone") << 1 << QList<bool>{false, false, false} << 1;
        QTest::newRow("the table alone fits") << 1 << QList<bool>{false, false, true} << 1;
    }
    void printsToPdf() {
        QFETCH(int, exemplaires);
        QFETCH(QList<bool>, coches);
        QFETCH(int, pages);
        const QString fichier = dossier_.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesFichiers = {fichier.toStdString()};
        int resultat = -1;
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            d.findChild<QSpinBox*>("UpDown1")->setValue(exemplaires);
            for (int i = 0; i < 3; ++i)
                cases(d)[i]->setChecked(coches[i]);
            bouton(d, "Command1")->click();
            resultat = d.result();
            return resultat;
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), grille_.get(), {}}, nullptr);
        QCOMPARE(resultat, int(QDialog::Accepted));
        QCOMPARE(pagesPdf(fichier), pages);
        QCOMPARE(prompter.questions[1].genre, std::string("enregistrer"));
        QCOMPARE(prompter.questions[1].titre, std::string("Imprimer dans un fichier PDF"));
    }

    void pdfNameWithoutSuffixGetsOne() {
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesFichiers = {dossier_.filePath("sans-suffixe").toStdString()};
        QVERIFY(choix.preparer(prompter, nullptr));
        QCOMPARE(choix.imprimante().outputFileName(), dossier_.filePath("sans-suffixe.pdf"));
    }

    void noFileChosenKeepsTheDialogOpen() {
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            bouton(d, "Command1")->click();
            // Nothing printed: the buttons are back and the dialog stays.
            [&] { QVERIFY(!bouton(d, "Command1")->isHidden()); }();
            return d.result();
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), nullptr, {}}, nullptr);
        QCOMPARE(prompter.questions.size(), 2);
        QVERIFY(prompter.messages().isEmpty());
        QVERIFY(choix.imprimante().outputFileName().isEmpty());
    }

    void unwritableFileIsReported() {
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesFichiers = {dossier_.filePath("absent/sous/dossier.pdf").toStdString()};
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            bouton(d, "Command1")->click();
            return d.result();
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), nullptr, {}}, nullptr);
        QCOMPARE(
            prompter.messages(),
            QStringList("Erreur d'impression: Impossible d'imprimer : vérifier l'imprimante ou le nom du "
                        "fichier."));
    }

    void cancelPrintsNothing() {
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            bouton(d, "Command3")->click();
            return d.result();
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), nullptr, {}}, nullptr);
        QCOMPARE(prompter.questions.size(), 1);
    }

    void printerSetupRefreshesTheName() {
        PrompterQuiChoisitUnFichier prompter;
        ChoixImprimante choix;
        pdfA4(choix);
        QString avant, apres;
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            avant = d.findChild<QLineEdit*>("defaut")->text();
            bouton(d, "Command2")->click();
            apres = d.findChild<QLineEdit*>("defaut")->text();
            return QDialog::Rejected;
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), nullptr, {}}, nullptr);
        QCOMPARE(prompter.questions[1].genre, std::string("imprimante"));
        QVERIFY(avant.contains("PDF"));
        QCOMPARE(apres, QString("Fichier PDF : /tmp/choisi.pdf"));
    }

    void placedBelowTheMainWindow() {
        QWidget fenetre;
        fenetre.setGeometry(100, 150, 800, 600);
        ScriptedPrompter prompter;
        ChoixImprimante choix;
        QPoint coin;
        prompter.reponsesDialogues.push_back([&](QDialog& d) {
            coin = d.pos();
            return QDialog::Rejected;
        });
        imprimerFenetre(prompter, choix, {uni(361, 235), uni(413, 235), nullptr, {}}, &fenetre);
        QCOMPARE(coin.y(), fenetre.frameGeometry().top() + 20);
    }
};

VEDO_TEST(TestConfimp);
#include "tst_confimp.moc"
