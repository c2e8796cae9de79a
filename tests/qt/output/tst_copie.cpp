#include "GrilleEssai.h"
#include "TestRegistry.h"

#include "output/Copie.h"
#include "output/Exportation.h"
#include "platform/PressePapiersQt.h"
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

    // The core's text takes the place of whatever the clipboard held, a picture too.
    void textReplacesThePicture() {
        ScriptedPrompter prompter;
        copier(Cop002, prompter, nullptr, vues(), exportation_);
        PressePapiersQt().copierTexte("0\t1,00\n5\t0,500");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("0\t1,00\n5\t0,500"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
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

    void withoutTableItsPictureIsHarmless() {
        ScriptedPrompter prompter;
        Vues sansTableau = vues();
        sansTableau.tableau = nullptr;
        copier(cop0032, prompter, nullptr, sansTableau, exportation_);
        QCOMPARE(QGuiApplication::clipboard()->text(), texteIntact);
    }
};

VEDO_TEST(TestCopie);
#include "tst_copie.moc"
