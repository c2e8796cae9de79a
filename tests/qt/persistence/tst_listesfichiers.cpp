#include "TestRegistry.h"

#include "DoubleClic.h"
#include "RepertoireDeTest.h"
#include "persistence/DialogueOuvrir.h"
#include "persistence/ListeLecteurs.h"
#include "platform/ApplicationState.h"
#include "platform/ScriptedPrompter.h"

#include <QtTest>

using namespace vedo;

namespace {
QStringList textes(const QListWidget* liste) {
    QStringList t;
    for (int i = 0; i < liste->count(); ++i)
        t << liste->item(i)->text().trimmed();
    return t;
}

int ligne(const QListWidget* liste, const QString& texte) {
    return textes(liste).indexOf(texte);
}
} // namespace

class TestListesFichiers : public QObject {
    Q_OBJECT
    std::unique_ptr<RepertoireDeTest> rep;
    ScriptedPrompter prompteur;
    ApplicationState etat{prompteur};

private slots:
    void init() {
        rep = std::make_unique<RepertoireDeTest>();
        rep->creerRepertoire("b_classe/tp");
        rep->creerRepertoire("a_devoirs");
    }
    void cleanup() { rep.reset(); }

    void filePattern_data() {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QStringList>("listes");
        QTest::newRow("letter case ignored")
            << QStringList{"b.c15", "A.C15", "c.C15"} << QStringList{"A.C15", "b.c15", "c.C15"};
        QTest::newRow("other extensions left out")
            << QStringList{"a.C15.bak", "a.C1", "a.txt", "a.C150", "C15"} << QStringList{};
        QTest::newRow("blank and full stops in names")
            << QStringList{"mon tp.C15", "a.b.C15"} << QStringList{"a.b.C15", "mon tp.C15"};
    }
    void filePattern() {
        QFETCH(QStringList, fichiers);
        QFETCH(QStringList, listes);
        for (const QString& f : fichiers)
            rep->creerFichier(f);
        DialogueOuvrir d(etat);
        QCOMPARE(textes(d.File1), listes);
    }

    void listsStartOnTheCurrentDirectory() {
        QDir::setCurrent(rep->chemin("b_classe"));
        DialogueOuvrir d(etat);
        QCOMPARE(d.Dir1->chemin(), rep->chemin("b_classe"));
        QCOMPARE(d.File1->chemin(), rep->chemin("b_classe"));
        QVERIFY(rep->chemin().startsWith(d.Drive1->lecteur(), Qt::CaseInsensitive));
        // The path opened down to the current directory, highlighted, then its subdirectories.
        const QStringList t = textes(d.Dir1);
        QCOMPARE(t.last(), QString("tp"));
        QCOMPARE(t.at(t.size() - 2), QString("b_classe"));
        QCOMPARE(d.Dir1->currentRow(), t.size() - 2);
        QCOMPARE(d.Dir1->cheminSurligne(), rep->chemin("b_classe"));
    }

    void directoryEntries() {
        DialogueOuvrir d(etat);
        const QStringList t = textes(d.Dir1);
        // Subdirectories in name order, after the current directory.
        QCOMPARE(t.mid(t.size() - 2), (QStringList{"a_devoirs", "b_classe"}));
        QCOMPARE(t.at(t.size() - 3), QDir(rep->chemin()).dirName());
        QCOMPARE(t.first(), QDir::toNativeSeparators(QDir::rootPath()));
        // Each entry, its icon first, drawn 12 pixels right of its parent
        // (rows away from the highlighted current directory).
        d.show();
        const QImage image = d.Dir1->viewport()->grab().toImage();
        const auto debutTrace = [&](int r) {
            const QRect place = d.Dir1->visualItemRect(d.Dir1->item(r));
            const QColor fond = image.pixelColor(place.right(), place.center().y());
            for (int x = place.left(); x < place.right(); ++x)
                for (int y = place.top(); y <= place.bottom(); ++y)
                    if (image.pixelColor(x, y) != fond) return x;
            return -1;
        };
        QCOMPARE(debutTrace(1) - debutTrace(0), 12);
        QCOMPARE(debutTrace(t.size() - 1) - debutTrace(t.size() - 4), 24);
    }

    void openingADirectory_data() {
        QTest::addColumn<QString>("geste");
        QTest::newRow("double click") << "double";
        QTest::newRow("Enter on the highlighted entry") << "entree";
        QTest::newRow("Down arrow from the entry above, then Enter") << "fleche";
    }
    void openingADirectory() {
        QFETCH(QString, geste);
        rep->creerFichier("b_classe/tp/x.C15");
        DialogueOuvrir d(etat);
        d.show();
        const QString avant = QDir::currentPath();
        const auto ouvrir = [&](const QString& nom) {
            const int r = ligne(d.Dir1, nom);
            QVERIFY(r >= 0);
            if (geste == "double") {
                doubleCliquer(d.Dir1, r);
            } else {
                d.Dir1->setCurrentRow(geste == "fleche" ? r - 1 : r);
                if (geste == "fleche") QTest::keyClick(d.Dir1, Qt::Key_Down);
                QTest::keyClick(d.Dir1, Qt::Key_Return);
            }
        };
        ouvrir("b_classe");
        QCOMPARE(d.Dir1->chemin(), rep->chemin("b_classe"));
        ouvrir("tp");
        QCOMPARE(d.Dir1->chemin(), rep->chemin("b_classe/tp"));
        QCOMPARE(d.File1->chemin(), rep->chemin("b_classe/tp"));
        QCOMPARE(textes(d.File1), QStringList{"x.C15"});
        // Back up the path, to the directory above.
        ouvrir(QDir(rep->chemin()).dirName());
        QCOMPARE(d.Dir1->chemin(), rep->chemin());
        QCOMPARE(textes(d.File1), QStringList());
        // Moving in the lists leaves the current directory alone.
        QCOMPARE(QDir::currentPath(), avant);
        QCOMPARE(d.result(), 0);
        d.hide();
    }

    void singleClickOnlyHighlights() {
        DialogueOuvrir d(etat);
        const int r = ligne(d.Dir1, "a_devoirs");
        QTest::mouseClick(d.Dir1->viewport(), Qt::LeftButton, {},
                          d.Dir1->visualItemRect(d.Dir1->item(r)).center());
        QCOMPARE(d.Dir1->chemin(), rep->chemin());
        QCOMPARE(d.Dir1->cheminSurligne(), rep->chemin("a_devoirs"));
    }

    void unreadableDriveReturnsToTheDirectoryListsDrive() {
        DialogueOuvrir d(etat);
        const QString racine = d.Drive1->lecteur();
        d.Drive1->setRacines({racine, rep->chemin("lecteur_vide") + '/'});
        d.Drive1->setLecteurDe(d.Dir1->chemin());
        d.Drive1->setCurrentIndex(1);
        QCOMPARE(d.Drive1->currentIndex(), 0);
        QCOMPARE(d.Drive1->lecteur(), racine);
        QCOMPARE(d.Dir1->chemin(), rep->chemin());
        QCOMPARE(d.File1->chemin(), rep->chemin());
        QVERIFY(prompteur.questions.empty());
    }

    // The drive shown is the longest root that holds the path, whatever its rank.
    void driveOfAPath_data() {
        QTest::addColumn<QStringList>("racines");
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<int>("lecteur");
        QTest::newRow("the second of two roots, the shorter")
            << QStringList{"a_devoirs", "b_classe"} << "b_classe/tp" << 1;
        QTest::newRow("on no root: none") << QStringList{"a_devoirs"} << "b_classe/tp" << -1;
        QTest::newRow("the first of two roots, the longer") << QStringList{"b_classe", ""} << "b_classe/tp" << 0;
        QTest::newRow("the first of two roots as long") << QStringList{"b_classe", "B_CLASSE"} << "b_classe/tp" << 0;
    }
    void driveOfAPath() {
        QFETCH(QStringList, racines);
        QFETCH(QString, chemin);
        QFETCH(int, lecteur);
        ListeLecteurs liste;
        for (QString& racine : racines)
            racine = rep->chemin(racine) + '/';
        liste.setRacines(racines);
        liste.setLecteurDe(rep->chemin(chemin));
        QCOMPARE(liste.currentIndex(), lecteur);
    }

    void driveChangeMovesBothLists() {
        rep->creerFichier("a_devoirs/d.C15");
        DialogueOuvrir d(etat);
        const QString racine = d.Drive1->lecteur();
        d.Drive1->setRacines({racine, rep->chemin("a_devoirs") + '/'});
        d.Drive1->setLecteurDe(d.Dir1->chemin());
        d.Drive1->setCurrentIndex(1);
        QCOMPARE(d.Dir1->chemin(), rep->chemin("a_devoirs"));
        QCOMPARE(textes(d.File1), QStringList{"d.C15"});
    }
};

VEDO_TEST(TestListesFichiers);
#include "tst_listesfichiers.moc"
