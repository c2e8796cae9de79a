#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/Copie.h"
#include "output/Exportation.h"
#include "platform/ScriptedPrompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace vedo;

Q_DECLARE_METATYPE(vedo::Vues)

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
        copier(ChoixCopie(choix), prompter, nullptr, vues(), exportation_);
        const QImage copiee = QGuiApplication::clipboard()->image();
        QCOMPARE(copiee.size(), taille);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void tableTextOnClipboard() {
        ScriptedPrompter prompter;
        copier(cop0031, prompter, nullptr, vues(), exportation_);
        const QString texte = QGuiApplication::clipboard()->text();
        const QStringList lignes = texte.split('\n');
        QCOMPARE(lignes.size(), 3);
        for (const QString& ligne : lignes)
            QCOMPARE(ligne.count('\t'), 5);
        QCOMPARE(lignes[2], QString("2;0\t2;1\t2;2\t2;3\t2;4\t2;5"));
        QVERIFY(!texte.contains('\r'));
    }

    // Each item is enabled when the window has its thing.
    void whatCanBeCopied_data() {
        QTest::addColumn<Vues>("vues");
        QTest::addColumn<QList<bool>>("possibles");
        const Vues toutes = vues();
        QTest::newRow("pictures and table") << toutes << QList<bool>{true, true, true, false, false};
        Vues sansTableau = toutes;
        sansTableau.tableau = nullptr;
        QTest::newRow("no table") << sansTableau << QList<bool>{true, true, false, false, false};
        Vues sansImages{};
        sansImages.tableauCsv = "t";
        QTest::newRow("no picture, a CSV") << sansImages << QList<bool>{false, false, false, false, true};
    }
    void whatCanBeCopied() {
        QFETCH(Vues, vues);
        QFETCH(QList<bool>, possibles);
        const CopiesPossibles p = copiesPossibles(vues);
        QCOMPARE((QList<bool>{p.animation, p.graphe, p.tableau, p.dessinGraphe, p.tableauCsv}), possibles);
    }

    void withoutTableItsCopyIsHarmless() {
        ScriptedPrompter prompter;
        Vues sansTableau = vues();
        sansTableau.tableau = nullptr;
        copier(cop0031, prompter, nullptr, sansTableau, exportation_);
        QCOMPARE(QGuiApplication::clipboard()->text(), texteIntact);
    }
};

VEDO_TEST(TestCopie);
#include "tst_copie.moc"
