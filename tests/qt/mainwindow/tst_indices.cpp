#include "ControlesFeuilleP.h"
#include "TestRegistry.h"

#include "FenetreDeTest.h"
#include "exercises/Fichexo.h"
#include "mainwindow/Indices.h"
#include "mainwindow/MenuExercice.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QtTest>

using namespace vedo;

namespace {
void survoler(QWidget* controle, QPoint position) {
    QMouseEvent mouvement(QEvent::MouseMove, position, controle->mapToGlobal(position), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(controle, &mouvement);
}
} // namespace

class TestIndices : public QObject {
    Q_OBJECT
    std::unique_ptr<FenetreDeTest> f;

private slots:
    void init() { f = std::make_unique<FenetreDeTest>(); }
    void cleanup() { f.reset(); }

    void indices_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("onglet");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("texte");
        // The control whose description for assistive technologies is that hint.
        QTest::addColumn<QString>("decrit");
        const QPoint coin(2, 2);
        QTest::newRow("window background")
            << "feuilleP" << 1 << QPoint(4, 590)
            << "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice" << "feuilleP";
        QTest::newRow("close") << "Command1" << 1 << coin
                               << "Pour retrouver le module principal et quitter cette application"
                               << "Command1";
        QTest::newRow("open") << "Command2" << 1 << coin << "Pour retrouver une situation enregistrée"
                              << "Command2";
        QTest::newRow("copy")
            << "Command4" << 1 << coin
            << "Copier pour placer l'image dans le presse-papiers puis coller depuis Word, Paint..."
            << "Command4";
        QTest::newRow("help") << "Command7" << 1 << coin
                              << "Si vous rencontrez une difficulté avec cette application"
                              << "Command7";
        QTest::newRow("calculator") << "Command8" << 1 << coin << "Machine à calculer"
                                    << "Command8";
        QTest::newRow("print") << "Command10" << 1 << coin
                               << "Pour configurer l'imprimante et imprimer l'image"
                               << "Command10";
        QTest::newRow("save") << "Command11" << 1 << coin << "Pour conserver la configuration en cours"
                              << "Command11";
        QTest::newRow("enlarge") << "Command12" << 1 << coin << "Agrandir le graphe"
                                 << "Command12";
        QTest::newRow("reaction panel") << "Picture4" << 1 << coin << "Choisir la réaction dans la liste"
                                        << "Combo1";
        QTest::newRow("an amount box")
            << "Text1(2)" << 1 << coin << "Saisir les quantités de matière à l'état initial"
            << "Text1(2)";
        QTest::newRow("conditions panel, upper part")
            << "Picture3" << 2 << QPoint(5, 119)
            << "Vous pouvez augmenter ou diminuer la température du système ou ajouter un catalyseur"
            << "HScroll1";
        QTest::newRow("conditions panel, lower part") << "Picture3" << 2 << QPoint(5, 120) << "Distillation"
                                                      << "Combo3";
        QTest::newRow("display panel")
            << "frame2" << 3 << coin << "Vous pouvez modifier les paramètres d'affichage."
            << "Check2";
        QTest::newRow("follow-up panel")
            << "Picture1" << 4 << coin << "Vous pouvez modifier les paramètres du graphe et du tableau"
            << "VScroll3";
        QTest::newRow("a curve selector") << "option2(3)" << 4 << coin << "Choisir les courbes représentées"
                                          << "option2(3)";
        QTest::newRow("a colour swatch")
            << "Label4(2)" << 4 << coin << "Cliquer pour modifier la couleur d'affichage"
            << "Label4(2)";
        QTest::newRow("exercise button")
            << "btexo" << 1 << coin
            << "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer."
            << "btexo";
        QTest::newRow("apparatus") << "animpic" << 1 << coin
                                   << "Utiliser l'onglet Conditions pour modifier les paramètres"
                                   << "animpic";
        QTest::newRow("graph")
            << "Picture2" << 1 << QPoint(100, 100)
            << "Vous pouvez lire les coordonnées d'un point et tracer la tangente à une courbe"
            << "Picture2";
    }
    void indices() {
        QFETCH(QString, controle);
        QFETCH(int, onglet);
        QFETCH(QPoint, position);
        QFETCH(QString, texte);
        QFETCH(QString, decrit);
        f->choisirOnglet(onglet);
        controles(*f).info->setText("avant");
        auto* w = controle == "feuilleP" ? f->fenetre.get() : (*f)->findChild<QWidget*>(controle);
        QVERIFY(w);
        survoler(w, position);
        QCOMPARE(controles(*f).info->text(), texte);
        // The pictures first say what they show.
        auto* d = decrit == "feuilleP" ? f->fenetre.get() : (*f)->findChild<QWidget*>(decrit);
        const QString description = QAccessible::queryAccessibleInterface(d)->text(QAccessible::Description);
        QVERIFY2(description == texte || description.endsWith('\n' + texte), qPrintable(description));
    }

    void infoBulles_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("texte");
        QTest::newRow("open") << "feuilleP" << "Command2" << "Retrouver une configuration";
        QTest::newRow("save") << "feuilleP" << "Command11" << "Enregistrer la configuration actuelle";
        QTest::newRow("help") << "feuilleP" << "Command7" << "Aide pour utiliser cette application";
        QTest::newRow("enlarge") << "feuilleP" << "Command12" << "Agrandir";
        QTest::newRow("open the exercise") << "Fichexo" << "ouvreur" << "Ouvrir l'exercice sélectionné";
        QTest::newRow("close the chooser") << "Fichexo" << "Image5" << "Fermer sans charger d'exercice";
    }
    void infoBulles() {
        QFETCH(QString, fenetre);
        QFETCH(QString, controle);
        QFETCH(QString, texte);
        Fichexo fichexo(f->etat, controles(*f).menuExercice->zone(), f->fenetre.get());
        QWidget* w = fenetre == "Fichexo" ? static_cast<QWidget*>(&fichexo) : f->fenetre.get();
        const auto* c = w->findChild<QWidget*>(controle);
        QVERIFY(c);
        QCOMPARE(c->toolTip(), texte);
    }

    void effacerQuandVisible() {
        controles(*f).Command6->show();
        survoler(controles(*f).Command6, {2, 2});
        QCOMPARE(controles(*f).info->text(), QString("Effacer les courbes"));
        QCOMPARE(controles(*f).Command6->accessibleDescription(), QString("Effacer les courbes"));
    }

    void controleSansIndiceLaisseLeTexte() {
        controles(*f).info->setText("avant");
        survoler(controles(*f).Command3, {2, 2});
        // A move over a child without a hint is not a move over the window.
        survoler(f->fenetre.get(), controles(*f).Command3->geometry().center());
        QCOMPARE(controles(*f).info->text(), QString("avant"));
    }

    void copieConfirmeeGardee() {
        const QString copie = QString::fromUtf8(messageCopie.data(), static_cast<int>(messageCopie.size()));
        controles(*f).info->setText(copie);
        survoler(controles(*f).Command4, {2, 2});
        QCOMPARE(controles(*f).info->text(), copie);
        survoler(controles(*f).Command2, {2, 2});
        survoler(controles(*f).Command4, {2, 2});
        QVERIFY(controles(*f).info->text().startsWith("Copier pour placer"));
    }
};

VEDO_TEST(TestIndices);
#include "tst_indices.moc"
