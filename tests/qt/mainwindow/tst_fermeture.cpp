#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "mainwindow/IconeProgramme.h"
#include "persistence/FichierEchange.h"
#include "persistence/RecordFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(QList<QMessageBox::StandardButton>)

namespace {
QString enregistrement(const QString& chemin, int numero) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return "<illisible>";
    return lireEnregistrement(f, numero).value_or("<illisible>");
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Records 16 and 31 blanked: the bytes that belong to the other programs.
QByteArray autresEnregistrements(QByteArray octets) {
    for (int numero : {16, 31})
        octets.replace((numero - 1) * 128, 128, QByteArray(128, '\0'));
    return octets;
}
} // namespace

class TestFermeture : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dossier;
    QString echange;

private slots:
    void init() {
        dossier = std::make_unique<QTemporaryDir>();
        echange = cheminFichierEchange(dossier->path());
    }

    void closeQuestions_data() {
        QTest::addColumn<QString>("origine");
        QTest::addColumn<bool>("texteModifie");
        QTest::addColumn<QList<QMessageBox::StandardButton>>("reponses");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("ferme");
        const QString perte = "Abandon des données?: Attention: perte des modifications du texte.";
        const QString quitter = "Fermer: Quitter vraiment Vedoriruvirivi ?";
        const auto ok = QMessageBox::Ok;
        const auto annuler = QMessageBox::Cancel;
        for (const QString origine : {"&Fermer", "close box"}) {
            QTest::addRow("%s, text kept, OK", qPrintable(origine))
                << origine << false << QList{ok} << QStringList{quitter} << true;
            QTest::addRow("%s, text kept, Cancel", qPrintable(origine))
                << origine << false << QList{annuler} << QStringList{quitter} << false;
            QTest::addRow("%s, text modified, OK and OK", qPrintable(origine))
                << origine << true << QList{ok, ok} << QStringList{perte, quitter} << true;
            QTest::addRow("%s, text modified, Cancel", qPrintable(origine))
                << origine << true << QList{annuler} << QStringList{perte} << false;
            QTest::addRow("%s, text modified, OK then Cancel", qPrintable(origine))
                << origine << true << QList{ok, annuler} << QStringList{perte, quitter} << false;
        }
    }
    void closeQuestions() {
        QFETCH(QString, origine);
        QFETCH(bool, texteModifie);
        QFETCH(QList<QMessageBox::StandardButton>, reponses);
        QFETCH(QStringList, questions);
        QFETCH(bool, ferme);
        FenetreDeTest f(echange);
        f.etat.texteModifie = texteModifie;
        for (auto r : reponses)
            f.prompteur.reponsesMessages.push_back(boutonDe(r));
        if (origine == "&Fermer")
            controles(f).Command1->click();
        else
            f->close();
        QCOMPARE(f.prompteur.messages(), questions);
        for (const auto& q : f.prompteur.questions) {
            QCOMPARE(q.icone, Icone::question);
            QCOMPARE(q.boutons, (Boutons{Bouton::ok, Bouton::annuler}));
        }
        QCOMPARE(f->isVisible(), !ferme);
        QCOMPARE(enregistrement(echange, 16), QString(ferme ? "NON" : "OUI"));
        QCOMPARE(f.etat.texteModifie, texteModifie);
    }

    void handOverFileAcrossARun_data() {
        QTest::addColumn<QString>("exercice");
        QTest::newRow("an exercise waiting") << "ESTER1.E39";
        QTest::newRow("nothing waiting") << "";
    }
    void handOverFileAcrossARun() {
        QFETCH(QString, exercice);
        QByteArray avant(40 * 128, '\0');
        QRandomGenerator alea(16);
        for (auto& o : avant)
            o = static_cast<char>(alea.bounded(256));
        {
            QFile f(echange);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(avant);
            f.close();
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, 31, exercice));
        }
        avant = lire(echange);

        QStringList ouverts;
        {
            ScriptedPrompter prompteur;
            ApplicationState etat(prompteur);
            etat.fichierEchange = echange;
            etat.ouvrirExerciceTransmis = [&](const QString& fichier) {
                ouverts << fichier;
                return true;
            };
            FeuilleP fenetre(etat);
            fenetre.show();
            QApplication::processEvents();
            // Activations after the first: a dialog closed, the window brought back.
            fenetre.activation();
            fenetre.activation();
            QCOMPARE(enregistrement(echange, 16), QString("OUI"));
            prompteur.reponsesMessages.push_back(Bouton::ok);
            QVERIFY(fenetre.close());
        }
        QCOMPARE(enregistrement(echange, 16), QString("NON"));
        QCOMPARE(enregistrement(echange, 31), QString());
        const QByteArray apres = lire(echange);
        QCOMPARE(apres.size(), avant.size());
        QCOMPARE(autresEnregistrements(apres), autresEnregistrements(avant));
        // Taken at the first activation, and never again.
        QCOMPARE(ouverts, exercice.isEmpty()
                              ? QStringList()
                              : QStringList{QFileInfo(dossier->path()).absoluteFilePath() + '/' + exercice});
    }

    void exerciseOpenedOnce() {
        {
            QFile f(echange);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(ecrireEnregistrement(f, 31, "ESTER1.E39"));
        }
        ScriptedPrompter prompteur;
        ApplicationState etat(prompteur);
        etat.fichierEchange = echange;
        QStringList ouverts;
        etat.ouvrirExerciceTransmis = [&](const QString& fichier) {
            ouverts << fichier;
            return true;
        };
        FeuilleP fenetre(etat);
        fenetre.show();
        QApplication::processEvents();
        for (int fois = 0; fois < 3; ++fois)
            fenetre.activation();
        QCOMPARE(ouverts, QStringList{QFileInfo(dossier->path()).absoluteFilePath() + "/ESTER1.E39"});
        QVERIFY(etat.correctionDisponible);
        QCOMPARE(enregistrement(echange, 31), QString());
    }

    void absentHandOverFileCreatedAtStartUp() {
        FenetreDeTest f(echange);
        QCOMPARE(enregistrement(echange, 16), QString("OUI"));
        // Record 31 emptied at the first activation, though it held nothing.
        QCOMPARE(lire(echange).size(), 31 * 128);
        QCOMPARE(enregistrement(echange, 31), QString());
        QCOMPARE(controles(f).Picture4->Combo1->currentIndex(), 0);
        QVERIFY(f.prompteur.questions.empty());
    }

    void programIconAfterTheFirstFrame() {
        QApplication::setWindowIcon(QIcon());
        QWidget fenetre;
        poserIconeApresPremiereImage(fenetre);
        QApplication::processEvents();
        QVERIFY(QApplication::windowIcon().isNull()); // nothing is drawn before the window paints
        fenetre.show();
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::windowIcon().availableSizes().size(), 7); // 16 to 256 pixels
        QApplication::setWindowIcon(QIcon());
    }
};

VEDO_TEST(TestFermeture);
#include "tst_fermeture.moc"
