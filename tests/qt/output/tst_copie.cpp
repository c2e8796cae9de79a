#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/Copie.h"
#include "output/Exportation.h"
#include "platform/ScriptedPrompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace vedo;

namespace {
const QString texteIntact = QStringLiteral("presse-papiers intact");

QImage uni(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}
} // namespace

class TestCopie : public QObject {
    Q_OBJECT
    std::unique_ptr<QTableWidget> grille_ = grilleEssai(3, 6, 16, 50);
    Exportation exportation_;

    Vues vues() const { return {uni(361, 235), uni(413, 235), grille_.get(), {}}; }

private slots:
    void init() { QGuiApplication::clipboard()->setText(texteIntact); }

    // What `info` shows once the menu closes, whatever was chosen.
    void copyMessage_data() {
        QTest::addColumn<int>("choix");
        QTest::newRow("Copier l'animation") << int(cop001);
        QTest::newRow("Copier le graphe") << int(Cop002);
        QTest::newRow("Copier le contenu du tableau") << int(cop0031);
        QTest::newRow("Copier une image du tableau") << int(cop0032);
        QTest::newRow("menu closed") << -1;
    }
    void copyMessage() {
        QFETCH(int, choix);
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {choix};
        QCOMPARE(copier(prompter, nullptr, {}, vues(), exportation_),
                 QString("L'image est copiée : vous pouvez la retrouver depuis toute application Windows (coller)"));
    }

    void pictureOnClipboard_data() {
        QTest::addColumn<int>("choix");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("Copier l'animation") << int(cop001) << QSize(361, 235);
        QTest::newRow("Copier le graphe") << int(Cop002) << QSize(413, 235);
        // Six columns of 50 pixels and three rows of 16, with the closing lines.
        QTest::newRow("Copier une image du tableau") << int(cop0032) << QSize(301, 49);
    }
    void pictureOnClipboard() {
        QFETCH(int, choix);
        QFETCH(QSize, taille);
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {choix};
        const QString info = copier(prompter, nullptr, {10, 10}, vues(), exportation_);
        QCOMPARE(info, messageCopie());
        const QImage copiee = QGuiApplication::clipboard()->image();
        QCOMPARE(copiee.size(), taille);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void tableTextOnClipboard() {
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {cop0031};
        QCOMPARE(copier(prompter, nullptr, {}, vues(), exportation_), messageCopie());
        const QString texte = QGuiApplication::clipboard()->text();
        const QStringList lignes = texte.split('\n');
        QCOMPARE(lignes.size(), 3);
        for (const QString& ligne : lignes)
            QCOMPARE(ligne.count('\t'), 5);
        QCOMPARE(lignes[2], QString("2;0\t2;1\t2;2\t2;3\t2;4\t2;5"));
        QVERIFY(!texte.contains('\r'));
    }

    // "Copier le tableau" opens a sub-menu of the same pop-up, not a second pop-up.
    void oneMenuWithItsSubMenu() {
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {cop0031};
        copier(prompter, nullptr, {}, vues(), exportation_);
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(prompter.questions[0].texte,
                 std::string("Copier l'animation|Copier le graphe|Copier le tableau"
                         "[Copier le contenu du tableau|Copier une image du tableau]"
                         "||Enregistrer le graphe…|Enregistrer le tableau…"));
    }

    void nothingChosenStillConfirms_data() {
        QTest::addColumn<int>("choix");
        QTest::newRow("menu closed") << -1;
        QTest::newRow("no such item") << 9;
    }
    void nothingChosenStillConfirms() {
        QFETCH(int, choix);
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {choix};
        QCOMPARE(copier(prompter, nullptr, {}, vues(), exportation_), messageCopie());
        QCOMPARE(QGuiApplication::clipboard()->text(), texteIntact);
    }

    void withoutTableItsItemIsOffAndHarmless() {
        ScriptedPrompter prompter;
        prompter.reponsesMenus = {cop0031};
        Vues sansTableau = vues();
        sansTableau.tableau = nullptr;
        QCOMPARE(copier(prompter, nullptr, {}, sansTableau, exportation_), messageCopie());
        QCOMPARE(prompter.questions.size(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), texteIntact);
    }
};

VEDO_TEST(TestCopie);
#include "tst_copie.moc"
