#include "DescriptionTexte.h"
#include "TestRegistry.h"

#include "exercises/RtfEcrivain.h"
#include "exercises/RtfLecteur.h"
#include "exercises/TexteAccueil.h"

#include <QTextEdit>
#include <QtTest>

using namespace vedo;
using namespace vedo::essai;

namespace {

const QString texteAttendu =
    "Vedoriruvirivi\n"
    "\n"
    "Ce simulateur permet l'étude cinétique de quelques réactions avec les esters.\n"
    "\n"
    "Les quantités de matière sont indiquées dans le tableau et dans la représentation graphique.\n"
    "\n"
    "Vous pouvez choisir : \n"
    "\n"
    "- la réaction étudiée,\n\n"
    "- la classe de l'alcool,\n\n"
    "- les conditions initiales (quantités de matière).\n\n"
    "- la température du système,\n\n"
    "- d'utiliser un catalyseur,\n\n"
    "- de distiller,\n\n"
    "- la durée de l'expérience.\n"
    "\n"
    "Vous pouvez tracer la tangente à une courbe en utilisant la souris sur le graphe.\n"
    "\n"
    "Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée dans le "
    "presse-papiers "
    "(bouton Copier) pour la coller dans une autre application.\n"
    "\n"
    "Vous pouvez obtenir l'énoncé d'un exercice dans cette fenêtre en appuyant sur l'onglet Exercices.\n"
    "\n"
    "Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité Prise en main dans le menu "
    "Exercices.";

const QString bleu = "#0000c8";
const QString base = "Arial|10|#000000|fond auto|normal|décalage 0";
const QString titre = "Arial|18|#0000c8|fond auto|normal|décalage 0";
const QString accent = "Arial|10|#0000c8|fond auto|normal|décalage 0";

// The blue stretches, each found in a longer context that occurs once.
const QList<QPair<QString, QString>> extraitsBleus = {
    {"Vedoriruvirivi", "Vedoriruvirivi"},
    {"Vous pouvez choisir : ", "Vous pouvez choisir : "},
    {"Vous pouvez tracer la tangente à une courbe en utilisant la souris sur le graphe.",
     "Vous pouvez tracer la tangente à une courbe en utilisant la souris sur le graphe."},
    {"Exercices.\n", "Exercices"},
    {"Prise en main ", "Prise en main "}};

} // namespace

class TestTexteAccueil : public QObject {
    Q_OBJECT
private slots:
    void textIsTheSixteenPieces() {
        QTextDocument d;
        textaccueil(d);
        QCOMPARE(d.toPlainText(), texteAttendu);
    }

    void formatAtPieceBoundaries_data() {
        QTest::addColumn<QString>("extrait");
        QTest::addColumn<int>("decalage"); // from the start of the excerpt
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("paragraphe");
        const QString centre = "centré|gauche 0|droite 0|première 0|avant 0|après 0";
        const QString retrait = "gauche|gauche 20|droite 0|première 0|avant 0|après 0";
        QTest::newRow("title, first letter") << "Vedoriruvirivi" << 0 << titre << centre;
        QTest::newRow("title, last letter") << "Vedoriruvirivi" << 13 << titre << centre;
        QTest::newRow("first sentence") << "Ce simulateur" << 0 << base << retrait;
        QTest::newRow("choose, first letter") << "Vous pouvez choisir" << 0 << accent << retrait;
        QTest::newRow("choose, closing space") << "choisir : " << 9 << accent << retrait;
        QTest::newRow("list after choose") << "- la réaction" << 0 << base << retrait;
        QTest::newRow("last list item, last letter") << "l'expérience." << 12 << base << retrait;
        QTest::newRow("tangent, first letter") << "Vous pouvez tracer" << 0 << accent << retrait;
        QTest::newRow("tangent, last letter") << "sur le graphe." << 13 << accent << retrait;
        QTest::newRow("settings sentence") << "Tous les paramètres" << 0 << base << retrait;
        QTest::newRow("join of pieces 8 and 9") << "presse-papiers (bouton" << 14 << base << retrait;
        QTest::newRow("space before the tab name") << "l'onglet Exercices" << 8 << base << retrait;
        QTest::newRow("tab name, first letter") << "Exercices." << 0 << accent << retrait;
        QTest::newRow("tab name, last letter") << "Exercices." << 8 << accent << retrait;
        QTest::newRow("full stop after the tab name") << "Exercices." << 9 << base << retrait;
        QTest::newRow("activity, first letter") << "Prise en main" << 0 << accent << retrait;
        QTest::newRow("activity, closing space") << "Prise en main " << 13 << accent << retrait;
        QTest::newRow("after the activity") << "dans le menu" << 0 << base << retrait;
        QTest::newRow("last letter") << "menu Exercices." << 14 << base << retrait;
    }
    void formatAtPieceBoundaries() {
        QFETCH(QString, extrait);
        QFETCH(int, decalage);
        QFETCH(QString, format);
        QFETCH(QString, paragraphe);
        for (int fois = 1; fois <= 2; ++fois) {
            QTextDocument d;
            for (int i = 0; i < fois; ++i)
                textaccueil(d);
            const int p = positionDe(d, extrait) + decalage;
            QVERIFY(p >= decalage);
            QCOMPARE(decrire(formatEn(d, p), d), format);
            QCOMPARE(decrire(d.findBlock(p).blockFormat()), paragraphe);
        }
    }

    void onlyTheTitleAndFourPiecesAreBlue() {
        QTextDocument d;
        textaccueil(d);
        const QString texte = d.toPlainText();
        QList<bool> attenduBleu(texte.size(), false);
        for (const auto& [contexte, e] : extraitsBleus) {
            const qsizetype p = texte.indexOf(contexte);
            QVERIFY2(p >= 0, qPrintable(contexte));
            for (qsizetype i = p; i < p + e.size(); ++i)
                attenduBleu[i] = true;
        }
        for (int i = 0; i < texte.size(); ++i) {
            if (texte[i] == '\n') continue;
            QCOMPARE(nomCouleur(formatEn(d, i).foreground()) == bleu, attenduBleu[i]);
        }
    }

    void emptyLineUnderTheTitleHasTheBodySize() {
        QTextDocument d;
        textaccueil(d);
        QCOMPARE(d.findBlockByNumber(1).text(), QString());
        QCOMPARE(d.findBlockByNumber(1).charFormat().fontPointSize(), 10.0);
    }

    void buildingTwiceGivesTheSameDocument() {
        QTextDocument d;
        textaccueil(d);
        const QStringList une = decrireDocument(d);
        textaccueil(d);
        QCOMPARE(d.toPlainText(), texteAttendu);
        QCOMPARE(decrireDocument(d), une);
    }

    void savedAndReadBackUnchanged() {
        QTextDocument d;
        textaccueil(d);
        QTextDocument relu;
        QVERIFY(lireRtf(ecrireRtf(d), relu));
        QCOMPARE(decrireDocument(relu), decrireDocument(d));
    }

    void replacesAnyTextAndCannotBeUndoneBackToIt() {
        QTextDocument d;
        QVERIFY(lireRtf("{\\rtf1\\qr\\fs48\\b ancien\\par suite}", d));
        textaccueil(d);
        QCOMPARE(d.toPlainText(), texteAttendu);
        QCOMPARE(decrire(d.begin().blockFormat()),
                 QString("centré|gauche 0|droite 0|première 0|avant 0|après 0"));
        QVERIFY(!d.isUndoAvailable());
        QVERIFY(d.isUndoRedoEnabled());
    }

    void textAreaShowsItFromTheStart() {
        QTextEdit supertext;
        supertext.setPlainText("ancien texte");
        supertext.moveCursor(QTextCursor::End);
        textaccueil(supertext);
        textaccueil(supertext);
        QCOMPARE(supertext.toPlainText(), texteAttendu);
        QCOMPARE(supertext.textCursor().position(), 0);
        QVERIFY(!supertext.textCursor().hasSelection());
        QVERIFY(supertext.updatesEnabled());
    }

    void formatCodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("paragraphe");
        const QString retrait = "gauche|gauche 20|droite 0|première 0|avant 0|après 0";
        QTest::newRow("0 nothing") << 0 << base << retrait;
        QTest::newRow("1 blue") << 1 << accent << retrait;
        QTest::newRow("2 centred") << 2 << base << "centré|gauche 20|droite 0|première 0|avant 0|après 0";
        QTest::newRow("3 lowered by 50 twips")
            << 3 << "Arial|10|#000000|fond auto|normal|décalage -25" << retrait;
        QTest::newRow("4 raised by 50 twips")
            << 4 << "Arial|10|#000000|fond auto|normal|décalage 25" << retrait;
        QTest::newRow("5 symbol font") << 5 << "symbol|10|#000000|fond auto|normal|décalage 0" << retrait;
        QTest::newRow("6 blue") << 6 << accent << retrait;
        QTest::newRow("7 italic") << 7 << "Arial|10|italique|#000000|fond auto|normal|décalage 0" << retrait;
        QTest::newRow("8 underline") << 8 << "Arial|10|souligné|#000000|fond auto|normal|décalage 0"
                                     << retrait;
        QTest::newRow("9 title") << 9 << titre << "centré|gauche 0|droite 0|première 0|avant 0|après 0";
    }
    void formatCodes() {
        QFETCH(int, code);
        QFETCH(QString, format);
        QFETCH(QString, paragraphe);
        QTextDocument d;
        textaccueil(d);
        // The last piece, alone on its paragraph's end.
        const int debut = positionDe(d, "dans le menu");
        appliquerCodeFormat(d, debut, d.characterCount() - 1, static_cast<CodeFormat>(code));
        QCOMPARE(decrire(formatEn(d, debut + 3), d), format);
        QCOMPARE(decrire(formatEn(d, debut - 1), d), accent); // the piece before is left alone
        QCOMPARE(decrire(d.findBlock(debut).blockFormat()), paragraphe);
    }
};

VEDO_TEST(TestTexteAccueil);
#include "tst_texteaccueil.moc"
