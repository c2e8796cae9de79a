#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "ChienDeGarde.h"
#include "ConfigurationDeTest.h"
#include "common/Windows1252.h"
#include "mainwindow/ChargementConfiguration.h"
#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

namespace {
QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the 27 records of the defaults with some replaced (numbers from 1).
QString fichierModifie(const QTemporaryDir& dossier, const QMap<int, QString>& remplaces) {
    QStringList textes;
    for (const auto& t : textesConfiguration(Configuration{}))
        textes << QString::fromStdString(t);
    for (auto it = remplaces.begin(); it != remplaces.end(); ++it)
        textes[it.key() - 1] = it.value();
    const QString chemin = dossier.filePath("modifie.C15");
    QFile::remove(chemin);
    ecrireFichierEnregistrements(chemin, textes);
    return chemin;
}

// Settings far from the defaults, made through the controls.
void reglerConfigurationConnue(FeuilleP& w) {
    const QStringList quantites = {"0,5", "1", "0", "0,25"};
    for (int k = 0; k < 4; ++k)
        controles(w).Picture4->Text1[k]->setText(quantites[k]);
    controles(w).Picture4->Combo1->setCurrentIndex(1);
    controles(w).Picture4->Combo2->setCurrentIndex(2);
    controles(w).Picture3->Combo3->setCurrentIndex(1);
    const QColor couleurs[] = {QColor(10, 20, 30), QColor(255, 255, 255), QColor(0, 0, 0), QColor(0, 128, 0)};
    for (int i = 0; i < 4; ++i)
        controles(w).Picture1->setCouleurCourbe(i, couleurs[i]);
    controles(w).Picture1->VScroll2->setValue(5);
    controles(w).Picture1->VScroll3->setValue(100);
    controles(w).Picture3->HScroll1->setValue(755);
    controles(w).frame2->HScroll2->setValue(1000);
    controles(w).Picture1->option2[2]->click();
    controles(w).Picture1->Option1[1]->click();
    controles(w).frame2->Check1->click();
    controles(w).frame2->Check2->click();
    controles(w).frame2->Check3->click();
    controles(w).Picture3->Check5->click();
}
} // namespace

class TestChargementConfiguration : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    QString ancienRepertoire = QDir::currentPath();
    QByteArray octetsConnus;
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void initTestCase() {
        QDir::setCurrent(dossier.path());
        FenetreDeTest connue;
        reglerConfigurationConnue(*connue.fenetre);
        QCOMPARE(enregistrerSous(connue, "connue"), int(QDialog::Accepted));
        octetsConnus = lire(dossier.filePath("connue.C15"));
    }
    void cleanupTestCase() { QDir::setCurrent(ancienRepertoire); }
    void init() {
        QDir::setCurrent(dossier.path());
        f = std::make_unique<FenetreDeTest>();
    }
    void cleanup() { f.reset(); }

    void defaultsSavedAndReopened() {
        FeuilleP& w = *f->fenetre;
        const Configuration demarrage = w.modele().reglages;
        QCOMPARE(demarrage.especeVolatile, std::int16_t(-1));
        QCOMPARE(enregistrerSous(*f, "defaut"), int(QDialog::Accepted));
        const QString chemin =
            QDir::toNativeSeparators(QFileInfo(dossier.filePath("defaut.C15")).absoluteFilePath());
        QCOMPARE(w.windowTitle(), "Vedoriruvirivi - " + chemin);
        QCOMPARE(w.application.fichcourant, chemin);
        {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::ReadOnly));
            QCOMPARE(lireEnregistrement(fichier, 8), QString("-1"));
        }
        reglerConfigurationConnue(w);
        w.setWindowTitle("autre");
        QCOMPARE(ouvrirFichier(*f, chemin), int(QDialog::Accepted));
        QVERIFY(w.modele().reglages == demarrage);
        QCOMPARE(controles(w).Picture3->Combo3->currentIndex(), -1);
        QCOMPARE(w.windowTitle(), "Vedoriruvirivi - " + chemin);
        QVERIFY(f->prompteur.messages().isEmpty());
    }

    void dialogsShownModallyByTheWindow_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("titre");
        QTest::newRow("&Enregistrer") << "Command11"
                                      << "Enregistrer les paramètres.";
        QTest::newRow("&Ouvrir") << "Command2"
                                 << "Ouvrir une configuration";
    }
    void dialogsShownModallyByTheWindow() {
        QFETCH(QString, bouton);
        QFETCH(QString, titre);
        FeuilleP& w = *f->fenetre;
        w.application.fichcourant = "ancien.C15";
        QPoint coin;
        QString nom;
        f->prompteur.reponsesDialogues.push_back([&](QDialog& d) {
            coin = d.pos();
            if (auto* e = qobject_cast<DialogueEnregistrer*>(&d)) nom = e->Text1->text();
            return int(QDialog::Rejected);
        });
        w.findChild<QPushButton*>(bouton)->click();
        QCOMPARE(f->prompteur.questions.size(), 1);
        QCOMPARE(f->prompteur.questions.front().genre, std::string("dialogue"));
        QCOMPARE(f->prompteur.questions.front().titre, titre.toStdString());
        QCOMPARE(coin, w.frameGeometry().topLeft() + QPoint(20, 20));
        // The save dialog offers the current file's name; cancelling changes nothing.
        QCOMPARE(nom, bouton == "Command11" ? QString("ancien.C15") : QString());
        QCOMPARE(w.windowTitle(), QString("Vedoriruvirivi"));
    }

    void knownConfigurationBytes_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("texte");
        const char* textes[] = {"ESTER",     "0,5", "1",      "0",  "0,25", " 1",   " 2",    " 1", " 1971210",
                                " 16777215", " 0",  " 32768", " 5", " 100", " 755", " 1000", "0",  "1",
                                "1",         "1",   "0",      "1",  "1",    "1",    "0",     "0",  "1"};
        const char* noms[] = {"identification",
                              "amount A",
                              "amount B",
                              "amount C",
                              "amount D",
                              "reaction",
                              "class of the alcohol",
                              "volatile species",
                              "colour A",
                              "colour B",
                              "colour C",
                              "colour D",
                              "duration position",
                              "table rows",
                              "temperature",
                              "animation speed",
                              "graph",
                              "table",
                              "curve A",
                              "curve B",
                              "curve C",
                              "curve D",
                              "bold lines",
                              "keep curves",
                              "show Qr",
                              "distil",
                              "catalyst"};
        for (int n = 1; n <= 27; ++n)
            QTest::addRow("record %d, %s", n, noms[n - 1]) << n << QString(textes[n - 1]);
    }
    void knownConfigurationBytes() {
        QFETCH(int, numero);
        QFETCH(QString, texte);
        QCOMPARE(octetsConnus.size(), 3456);
        const QByteArray enregistrement = octetsConnus.mid((numero - 1) * 128, 128);
        const QByteArray octets = QByteArray::fromStdString(utf8VersCp1252(texte.toStdString()));
        QCOMPARE(int(static_cast<unsigned char>(enregistrement[0])), int(octets.size()));
        QCOMPARE(int(enregistrement[1]), 0);
        QCOMPARE(enregistrement.mid(2, octets.size()), octets);
        QCOMPARE(enregistrement.mid(2 + octets.size()), QByteArray(126 - octets.size(), '\0'));
    }

    void knownConfigurationReopened() {
        FenetreDeTest modele;
        reglerConfigurationConnue(*modele.fenetre);
        QCOMPARE(ouvrirFichier(*f, dossier.filePath("connue.C15")), int(QDialog::Accepted));
        QVERIFY(f->fenetre->modele().reglages == modele.fenetre->modele().reglages);
    }

    void wrongIdentification_data() {
        QTest::addColumn<QString>("identification");
        QTest::newRow("lower case") << "ester";
        QTest::newRow("capital E only") << "Ester";
        QTest::newRow("trailing blank") << "ESTER ";
        QTest::newRow("leading blank") << " ESTER";
        QTest::newRow("shorter") << "ESTE";
        QTest::newRow("empty") << "";
    }
    void wrongIdentification() {
        QFETCH(QString, identification);
        FeuilleP& w = *f->fenetre;
        const QString chemin = fichierModifie(dossier, {{1, identification}, {6, " 2"}, {15, " 900"}});
        const Configuration avant = w.modele().reglages;
        w.application.courbes.nbCourbes = 0;
        int courbes = -2;
        QCOMPARE(ouvrirFichier(*f, chemin, &courbes), int(QDialog::Accepted)); // closed after the message
        QCOMPARE(f->prompteur.messages(),
                 QStringList{"Fichier non valide: Ce fichier ne correspond pas à cette application"});
        QCOMPARE(f->prompteur.questions.back().icone, Icone::critique);
        QVERIFY(w.modele().reglages == avant);
        QCOMPARE(w.windowTitle(), QString("Vedoriruvirivi"));
        QCOMPARE(courbes, 0);
    }

    void readErrorKeepsWhatWasApplied_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("reactionAttendue"); // record 6 applied or not
        QTest::newRow("duration position outside its bar") << 13 << " 17" << 2;
        QTest::newRow("reaction outside its list") << 6 << " 4" << 0;
        QTest::newRow("volatile species outside its list") << 8 << " 4" << 2;
        QTest::newRow("temperature below its bar") << 15 << "-5" << 2;
    }
    void readErrorKeepsWhatWasApplied() {
        QFETCH(int, numero);
        QFETCH(QString, texte);
        QFETCH(int, reactionAttendue);
        FeuilleP& w = *f->fenetre;
        QMap<int, QString> remplaces = {{2, "3"}, {6, " 2"}, {16, " 7"}};
        remplaces[numero] = texte;
        w.application.courbes.nbCourbes = 0;
        int courbes = -2;
        QCOMPARE(ouvrirFichier(*f, fichierModifie(dossier, remplaces), &courbes), int(QDialog::Accepted));
        QCOMPARE(f->prompteur.messages(),
                 QStringList{"Erreur lors du chargement du fichier: Lecture impossible sur disque"});
        QCOMPARE(controles(w).Picture4->Text1[0]->text(), QString("3"));
        QCOMPARE(controles(w).Picture4->Combo1->currentIndex(), reactionAttendue);
        // Record 16 comes after the error: not applied; no restart, caption unchanged.
        QCOMPARE(controles(w).frame2->HScroll2->value(), 50);
        QCOMPARE(courbes, 0);
        QCOMPARE(w.windowTitle(), QString("Vedoriruvirivi"));
    }

    void lengthAbove126() {
        const QString chemin = dossier.filePath("long.C15");
        QByteArray octets(3456, '\0');
        octets[0] = char(127);
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
        fichier.close();
        ouvrirFichier(*f, chemin);
        QCOMPARE(f->prompteur.messages(),
                 QStringList{"Erreur lors du chargement du fichier: Lecture impossible sur disque"});
        QCOMPARE(f->prompteur.questions.back().icone, Icone::critique);
    }

    void flags_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("coche");
        QTest::newRow("bold lines \"1\"") << 23 << "1" << true;
        QTest::newRow("bold lines \" 1\"") << 23 << " 1" << false;
        QTest::newRow("bold lines \"-1\"") << 23 << "-1" << false;
        QTest::newRow("show Qr empty") << 25 << "" << false;
        QTest::newRow("show Qr \"0\"") << 25 << "0" << false;
        QTest::newRow("curve B \" 1\"") << 20 << " 1" << false;
        QTest::newRow("distil \"1\"") << 26 << "1" << true;
        QTest::newRow("catalyst \"1\"") << 27 << "1" << true;
    }
    void flags() {
        QFETCH(int, numero);
        QFETCH(QString, texte);
        QFETCH(bool, coche);
        FeuilleP& w = *f->fenetre;
        ouvrirFichier(*f, fichierModifie(dossier, {{numero, texte}}));
        QVERIFY(f->prompteur.messages().isEmpty());
        const QCheckBox* boite = numero == 23   ? controles(w).frame2->Check1
                                 : numero == 25 ? controles(w).frame2->Check3
                                 : numero == 20 ? controles(w).Picture1->option2[1]
                                 : numero == 26 ? controles(w).Picture3->Check4
                                                : controles(w).Picture3->Check5;
        QCOMPARE(boite->isChecked(), coche);
        // The box's own handler ran: distilling heats to the maximum.
        if (numero == 26) QCOMPARE(controles(w).Picture3->HScroll1->value(), coche ? 1000 : 200);
    }

    void amountsAbove10MolAppliedSilently() {
        FeuilleP& w = *f->fenetre;
        ouvrirFichier(*f, fichierModifie(dossier, {{2, "6"}, {3, "6"}, {4, "5,5"}, {5, "abc"}}));
        QVERIFY(f->prompteur.messages().isEmpty());
        QCOMPARE(controles(w).Picture4->Text1[0]->text(), QString("6"));
        QCOMPARE(controles(w).Picture4->Text1[2]->text(), QString("5,5"));
        QCOMPARE(controles(w).Picture4->Text1[3]->text(), QString("abc"));
        // "Retour état initial" took the amounts.
        QCOMPARE(w.modele().n[0], 6.0);
        QCOMPARE(w.modele().n[2], 5.5);
    }

    // Amounts only a damaged file can bring, through the whole window: the
    // load and its "Retour état initial", "État final", the enlarged graph
    // and the table, each row bounded in time.
    void damagedAmounts_data() {
        QTest::addColumn<QStringList>("quantites");
        QTest::addColumn<float>("ymax");
        const QString neufs(120, '9');
        QTest::newRow("4E38 reads as no amount") << QStringList{"4E38", "1", "0", "0"} << 1.0f;
        QTest::newRow("1E308 reads as no amount") << QStringList{"1E308", "1", "0", "0"} << 1.0f;
        QTest::newRow("120 nines read as no amount") << QStringList{neufs, "1", "0", "0"} << 1.0f;
        // Every reachable maximum is 6E38, beyond single precision: the axis stays empty.
        QTest::newRow("3E38 in four boxes") << QStringList{"3E38", "3E38", "3E38", "3E38"} << 0.0f;
        QTest::newRow("3E38 in one box") << QStringList{"3E38", "0", "0", "0"} << 3e38f;
        // The end of the graduation loop, 1.01 ymax, is beyond single precision.
        QTest::newRow("3,4E38 in one box") << QStringList{"3,4E38", "0", "0", "0"} << 3.4e38f;
        QTest::newRow("the smallest single") << QStringList{"1E-45", "0", "0", "0"} << 1.4e-45f;
    }
    void damagedAmounts() {
        QFETCH(QStringList, quantites);
        QFETCH(float, ymax);
        const ChienDeGarde garde(std::chrono::seconds(20), QTest::currentDataTag());
        FeuilleP& w = *f->fenetre;
        // "Conserver les courbes" ticked: the enlarged graph computes the kept run again.
        ouvrirFichier(*f, fichierModifie(dossier, {{2, quantites[0]}, {3, quantites[1]}, {4, quantites[2]},
                                                   {5, quantites[3]}, {24, "1"}}));
        QCOMPARE(w.modele().ymax, ymax);
        controles(w).Command3->click();
        controles(w).Command12->click();
        QCOMPARE(w.modele().ymax, ymax);
        // The amount axis is drawn only when the scale reaches 1E-9 mol.
        const QColor axe = controles(w).Picture2->pixel(QPointF(50, 100));
        QCOMPARE(axe, ymax >= 1e-9f ? QColor(Qt::black) : QColor(Qt::white));
        controles(w).Picture1->Option1[1]->click();
        QCOMPARE(controles(w).MSFlexGrid1->rowCount(), 51);
        QVERIFY(!w.grab().isNull());
        QVERIFY(f->prompteur.messages().isEmpty());
    }

    void display_data() {
        QTest::addColumn<QString>("graphe");
        QTest::addColumn<QString>("tableau");
        QTest::addColumn<bool>("tableauVisible");
        QTest::newRow("graph") << "1"
                               << "0" << false;
        QTest::newRow("table") << "0"
                               << "1" << true;
        QTest::newRow("neither selected") << "0"
                                          << "0" << true;
    }
    void display() {
        QFETCH(QString, graphe);
        QFETCH(QString, tableau);
        QFETCH(bool, tableauVisible);
        FeuilleP& w = *f->fenetre;
        // From the other display first, so that loading has to switch.
        if (tableauVisible)
            controles(w).Picture1->Option1[0]->click();
        else
            controles(w).Picture1->Option1[1]->click();
        ouvrirFichier(*f, fichierModifie(dossier, {{17, graphe}, {18, tableau}}));
        QCOMPARE(controles(w).Frame3->isVisible(), tableauVisible);
        QCOMPARE(controles(w).Picture1->Option1[0]->isChecked(), graphe == "1");
        QCOMPARE(controles(w).Picture1->Option1[1]->isChecked(), tableau == "1");
        QCOMPARE(controles(w).Picture1->option2[0]->isEnabled(), !tableauVisible);
    }

    void handlersRunAsForTheUser() {
        FeuilleP& w = *f->fenetre;
        w.application.courbes.nbCourbes = 3;
        int courbes = -2;
        // "Conserver les courbes" ticked: only the load's own reset forgets the runs.
        ouvrirFichier(*f,
                      fichierModifie(dossier, {{6, " 3"},
                                               {8, " 2"},
                                               {9, " 255"},
                                               {12, " 65280"},
                                               {13, " 16"},
                                               {14, " 91"},
                                               {15, " 455"},
                                               {24, "1"}}),
                      &courbes);
        QCOMPARE(w.modele().nomEspece[1], std::string("Ester"));
        QCOMPARE(controles(w).Picture3->Combo3->currentText().toStdString(), w.modele().nomEspece[3]);
        QCOMPARE(controles(w).Picture1->couleurCourbe(0), QColor(255, 0, 0));
        QCOMPARE(controles(w).Picture1->couleurCourbe(3), QColor(0, 255, 0));
        QCOMPARE(w.modele().tagDuree, 20);
        QCOMPARE(w.modele().duree, 20);
        QCOMPARE(controles(w).MSFlexGrid1->rowCount(), 20);
        QCOMPARE(controles(w).Picture3->Label6->text(), QString("45,5 °C"));
        QCOMPARE(courbes, -1);
    }

    void reactionPanelTakesTheLoadedColours() {
        FeuilleP& w = *f->fenetre;
        const auto pixels = [&](const QColor& couleur) {
            const QImage image = controles(w).Picture4->image();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += image.pixelColor(x, y) == couleur;
            return n;
        };
        const QColor rouge(255, 0, 0);
        QCOMPARE(pixels(rouge), 0);
        ouvrirFichier(*f, fichierModifie(dossier, {{9, " 255"}}));
        QVERIFY(pixels(rouge) > 0);
    }
};

VEDO_TEST(TestChargementConfiguration);
#include "tst_chargementconfiguration.moc"
