#include "exercises/TexteAccueil.h"

#include "exercises/UnitesTexte.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace vedo {

namespace {

const QString saut = QStringLiteral("\r\n");
const QColor bleu(0, 0, 200);
constexpr double taillePoints = 10.0;
constexpr int retraitTwips = 20;
constexpr int decalageTwips = 50;

QTextCharFormat formatDeBase() {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(taillePoints);
    f.setForeground(QColor(0, 0, 0));
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    f.setBaselineOffset(0);
    return f;
}

QTextBlockFormat paragrapheDeBase() {
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignLeft);
    return f;
}

// The offset is a length; Qt wants it as a share of the font height.
double decalagePourcent(int twips) {
    return 100.0 * twips / 20.0 / taillePoints;
}

} // namespace

const std::array<MorceauAccueil, 16>& morceauxAccueil() {
    using C = CodeFormat;
    static const std::array<MorceauAccueil, 16> morceaux = {{
        {"Vedoriruvirivi" + saut, C::Titre},
        {saut + "Ce simulateur permet l'étude cinétique de quelques réactions avec les esters." + saut +
             saut +
             "Les quantités de matière sont indiquées dans le tableau et dans la représentation graphique." +
             saut + saut,
         C::Aucun},
        {"Vous pouvez choisir : " + saut + saut, C::Accent},
        {"- la réaction étudiée," + saut + saut + "- la classe de l'alcool," + saut + saut +
             "- les conditions initiales (quantités de matière)." + saut + saut +
             "- la température du système," + saut + saut + "- d'utiliser un catalyseur," + saut + saut +
             "- de distiller," + saut + saut + "- la durée de l'expérience.",
         C::Aucun},
        {saut + saut, C::Aucun},
        {QString(), C::Aucun},
        {"Vous pouvez tracer la tangente à une courbe en utilisant la souris sur le graphe." + saut + saut,
         C::Accent},
        {"Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée dans le "
         "presse-papiers ",
         C::Aucun},
        {"(bouton Copier) pour la coller dans une autre application." + saut + saut, C::Aucun},
        {"Vous pouvez obtenir l'énoncé d'un exercice ", C::Aucun},
        {"dans cette fenêtre en appuyant sur l'onglet ", C::Aucun},
        {"Exercices", C::Bleu},
        {"." + saut + saut, C::Aucun},
        {"Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité ", C::Aucun},
        {"Prise en main ", C::Bleu},
        {"dans le menu Exercices.", C::Aucun},
    }};
    return morceaux;
}

void appliquerCodeFormat(QTextDocument& document, int debut, int fin, CodeFormat code) {
    if (fin <= debut) return;
    QTextCharFormat caracteres;
    QTextBlockFormat paragraphe;
    paragraphe.setLeftMargin(twipsVersPixels(code == CodeFormat::Titre ? 0 : retraitTwips));
    switch (code) {
    case CodeFormat::Aucun:
        break;
    case CodeFormat::Bleu:
    case CodeFormat::Accent:
        caracteres.setForeground(bleu);
        break;
    case CodeFormat::Centre:
        paragraphe.setAlignment(Qt::AlignHCenter);
        break;
    case CodeFormat::Indice:
        caracteres.setBaselineOffset(-decalagePourcent(decalageTwips));
        break;
    case CodeFormat::Exposant:
        caracteres.setBaselineOffset(decalagePourcent(decalageTwips));
        break;
    case CodeFormat::Symbole:
        caracteres.setFontFamilies({QStringLiteral("symbol")});
        break;
    case CodeFormat::Italique:
        caracteres.setFontItalic(true);
        break;
    case CodeFormat::Souligne:
        caracteres.setFontUnderline(true);
        break;
    case CodeFormat::Titre:
        caracteres.setFontFamilies({QStringLiteral("Arial")});
        caracteres.setFontPointSize(18);
        caracteres.setForeground(bleu);
        paragraphe.setAlignment(Qt::AlignHCenter);
        break;
    }
    QTextCursor c(&document);
    // A piece's closing line break stays in the base format: in QTextDocument
    // it holds the format of the next paragraph, whose height it decides.
    const int finCaracteres = document.characterAt(fin - 1) == QChar::ParagraphSeparator ? fin - 1 : fin;
    c.setPosition(debut);
    c.setPosition(finCaracteres, QTextCursor::KeepAnchor);
    c.mergeCharFormat(caracteres);
    for (QTextBlock b = document.findBlock(debut); b.isValid() && b.position() < fin; b = b.next()) {
        c.setPosition(b.position());
        c.mergeBlockFormat(paragraphe);
    }
}

void textaccueil(QTextDocument& document) {
    const bool annulable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor c(&document);
    c.setBlockFormat(paragrapheDeBase());
    c.setBlockCharFormat(formatDeBase());
    std::array<int, 17> debuts{};
    for (std::size_t i = 0; i < morceauxAccueil().size(); ++i) {
        debuts[i] = c.position();
        c.insertText(morceauxAccueil()[i].texte, formatDeBase());
    }
    debuts.back() = c.position();
    for (std::size_t i = 0; i < morceauxAccueil().size(); ++i)
        appliquerCodeFormat(document, debuts[i], debuts[i + 1], morceauxAccueil()[i].code);
    document.setUndoRedoEnabled(annulable);
}

void textaccueil(QTextEdit& supertext) {
    supertext.setUpdatesEnabled(false);
    textaccueil(*supertext.document());
    QTextCursor debut(supertext.document());
    supertext.setTextCursor(debut);
    supertext.setUpdatesEnabled(true);
}

} // namespace vedo
