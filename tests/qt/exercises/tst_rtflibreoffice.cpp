#include "DescriptionTexte.h"
#include "TestRegistry.h"

#include "exercises/RtfFichier.h"

#include <QtTest>

using namespace vedo;
using namespace vedo::essai;

namespace {

// One property of the character that starts `extrait`, or of its paragraph.
QString propriete(const QTextDocument& d, int indice, const QString& nom) {
    const QTextCharFormat f = formatEn(d, indice);
    const QTextBlockFormat p = d.findBlock(indice).blockFormat();
    if (nom == "famille") return famille(f, d);
    if (nom == "taille") return QString::number(taille(f, d));
    if (nom == "gras") return f.fontWeight() >= QFont::DemiBold ? "oui" : "non";
    if (nom == "italique") return f.fontItalic() ? "oui" : "non";
    if (nom == "souligné") return f.fontUnderline() ? "oui" : "non";
    if (nom == "barré") return f.fontStrikeOut() ? "oui" : "non";
    if (nom == "couleur") return nomCouleur(f.foreground());
    if (nom == "fond") return nomCouleur(f.background());
    if (nom == "position") return position(f);
    if (nom == "décalage") return QString::number(std::lround(f.baselineOffset()));
    if (nom == "alignement") return alignement(p);
    if (nom == "gauche") return QString::number(twips(p.leftMargin()));
    if (nom == "droite") return QString::number(twips(p.rightMargin()));
    if (nom == "première") return QString::number(twips(p.textIndent()));
    if (nom == "avant") return QString::number(twips(p.topMargin()));
    if (nom == "après") return QString::number(twips(p.bottomMargin()));
    return "propriété inconnue " + nom;
}

} // namespace

// Files written by LibreOffice from the .html and .fodt documents next to them.
class TestRtfLibreOffice : public QObject {
    Q_OBJECT
private slots:
    void wholeText_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("paragraphes");
        QTest::newRow("formats") << "libreoffice-formats.rtf"
                                 << "Estérification\n"
                                    "Texte gras, italique, souligné, barré, rouge et surligné.\n"
                                    "L'eau H2O et 10-3 mol.\n"
                                    "Aligné à droite\n"
                                    "Paragraphe justifié.\n"
                                    "Retrait gauche et première ligne.\n"
                                    "Times 14\n"
                                    "Œuvre € « guillemets » — α β → ≈"
                                 << 8;
        QTest::newRow("statement") << "libreoffice-enonce.rtf"
                                   << "Exercice 1 : rendement\n"
                                      "On mélange 1,0 mol d'acide éthanoïque et 1,0 mol d'éthanol."
                                      "\nLa constante vaut K = 4,0.\t(à 25 °C)\n"
                                      "Concentration : c = 2,0×10-3 mol·L-1.\n"
                                      "Question : calculer le rendement 𝑥 ≤ 2/3.\n"
                                      "\n"
                                      "Fin de l'énoncé"
                                   << 6;
    }
    void wholeText() {
        QFETCH(QString, fichier);
        QFETCH(QString, texte);
        QFETCH(int, paragraphes);
        QTextDocument d;
        QString erreur = "non vidé";
        QVERIFY(chargerRtf(VEDO_TEST_DATA "/" + fichier, d, &erreur));
        QCOMPARE(erreur, QString());
        QCOMPARE(d.toPlainText(), texte);
        QCOMPARE(d.blockCount(), paragraphes);
    }

    void formats_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("extrait");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("valeur");
        const QString f = "libreoffice-formats.rtf";
        QTest::newRow("title font") << f << "Estérification"
                                    << "famille"
                                    << "Arial";
        QTest::newRow("title size") << f << "Estérification"
                                    << "taille"
                                    << "18";
        QTest::newRow("title colour") << f << "Estérification"
                                      << "couleur"
                                      << "#0000c8";
        QTest::newRow("title centred") << f << "Estérification"
                                       << "alignement"
                                       << "centré";
        QTest::newRow("body size") << f << "Texte"
                                   << "taille"
                                   << "12";
        QTest::newRow("body colour") << f << "Texte"
                                     << "couleur"
                                     << "#000000";
        QTest::newRow("body not bold") << f << "Texte"
                                       << "gras"
                                       << "non";
        QTest::newRow("body spacing after") << f << "Texte"
                                            << "après"
                                            << "140";
        QTest::newRow("bold word") << f << "gras,"
                                   << "gras"
                                   << "oui";
        QTest::newRow("comma after bold") << f << ", italique"
                                          << "gras"
                                          << "non";
        QTest::newRow("italic word") << f << "italique"
                                     << "italique"
                                     << "oui";
        QTest::newRow("underlined word") << f << "souligné"
                                         << "souligné"
                                         << "oui";
        QTest::newRow("struck word") << f << "barré"
                                     << "barré"
                                     << "oui";
        QTest::newRow("red word") << f << "rouge"
                                  << "couleur"
                                  << "#ff0000";
        QTest::newRow("highlighted word") << f << "surligné"
                                          << "fond"
                                          << "#ffff00";
        QTest::newRow("word before highlight") << f << " et surligné"
                                               << "fond"
                                               << "auto";
        QTest::newRow("subscript lowered") << f << "2O"
                                           << "décalage"
                                           << "-8";
        QTest::newRow("after subscript level") << f << "O et"
                                               << "décalage"
                                               << "0";
        QTest::newRow("superscript raised") << f << "-3"
                                            << "décalage"
                                            << "33";
        QTest::newRow("right aligned") << f << "Aligné"
                                       << "alignement"
                                       << "droite";
        QTest::newRow("justified") << f << "Paragraphe"
                                   << "alignement"
                                   << "justifié";
        QTest::newRow("left indent") << f << "Retrait"
                                     << "gauche"
                                     << "1440";
        QTest::newRow("first-line indent") << f << "Retrait"
                                           << "première"
                                           << "720";
        QTest::newRow("other font") << f << "Times 14"
                                    << "famille"
                                    << "Times New Roman";
        QTest::newRow("other size") << f << "Times 14"
                                    << "taille"
                                    << "14";

        const QString e = "libreoffice-enonce.rtf";
        QTest::newRow("statement title bold") << e << "Exercice"
                                              << "gras"
                                              << "oui";
        QTest::newRow("statement title size") << e << "Exercice"
                                              << "taille"
                                              << "16";
        QTest::newRow("statement title colour") << e << "Exercice"
                                                << "couleur"
                                                << "#0000c8";
        QTest::newRow("statement title centred") << e << "Exercice"
                                                 << "alignement"
                                                 << "centré";
        QTest::newRow("statement body font") << e << "On mélange"
                                             << "famille"
                                             << "Arial";
        QTest::newRow("statement body size") << e << "On mélange"
                                             << "taille"
                                             << "10";
        QTest::newRow("hanging indent, left") << e << "On mélange"
                                              << "gauche"
                                              << "720";
        QTest::newRow("hanging indent, first line") << e << "On mélange"
                                                    << "première"
                                                    << "-360";
        QTest::newRow("right indent") << e << "On mélange"
                                      << "droite"
                                      << "360";
        QTest::newRow("space before") << e << "On mélange"
                                      << "avant"
                                      << "144";
        QTest::newRow("space after") << e << "On mélange"
                                     << "après"
                                     << "72";
        QTest::newRow("line break stays in its paragraph") << e << "La constante"
                                                           << "gauche"
                                                           << "720";
        QTest::newRow("exponent") << e << "-3 mol"
                                  << "position"
                                  << "exposant";
        QTest::newRow("after exponent") << e << " mol·L"
                                        << "position"
                                        << "normal";
        QTest::newRow("green underlined word colour") << e << "Question"
                                                      << "couleur"
                                                      << "#008000";
        QTest::newRow("green underlined word underline") << e << "Question"
                                                         << "souligné"
                                                         << "oui";
        QTest::newRow("bold italic word") << e << "rendement 𝑥"
                                          << "italique"
                                          << "oui";
        QTest::newRow("closing line font") << e << "Fin de"
                                           << "famille"
                                           << "Courier New";
        QTest::newRow("closing line size") << e << "Fin de"
                                           << "taille"
                                           << "9";
        QTest::newRow("closing line right aligned") << e << "Fin de"
                                                    << "alignement"
                                                    << "droite";
    }
    void formats() {
        QFETCH(QString, fichier);
        QFETCH(QString, extrait);
        QFETCH(QString, nom);
        QFETCH(QString, valeur);
        QTextDocument d;
        QVERIFY(chargerRtf(VEDO_TEST_DATA "/" + fichier, d));
        const int p = positionDe(d, extrait);
        QVERIFY2(p >= 0, qPrintable(extrait));
        QCOMPARE(propriete(d, p, nom), valeur);
    }
};

VEDO_TEST(TestRtfLibreOffice);
#include "tst_rtflibreoffice.moc"
