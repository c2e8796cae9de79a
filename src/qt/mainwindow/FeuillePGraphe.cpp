// The graph, the table of values and the history of the main window.

#include "mainwindow/FeuilleP.h"

#include "mainwindow/Indices.h"
#include "platform/DessinQt.h"

#include <QTextCursor>

namespace vedo {

void FeuilleP::placerOutilsGraphe() {
    const QPoint origine = Picture2->origine().toPoint();
    if (modele_.facteurGraphe == 1) Label5->move(QPoint(190, -7) - origine);
    Command12->move(Picture2->width() - Command12->width(), 0);
    Command6->move(Command12->x() - Command6->width(), Command12->y());
}

void FeuilleP::etatsChanges() {
    Command6->setVisible(modele_.effacerMontre);
    Command5->setEnabled(modele_.debutActif);
    Picture3->Check5->setEnabled(modele_.catalyseurActif);
    for (QCheckBox* choix : Picture1->option2)
        choix->setEnabled(modele_.choixCourbesActifs);
    Frame3->setVisible(modele_.tableauMontre);
}

void FeuilleP::afficherTableau() {
    // The hidden grid shows only the last of the tables the load prepares.
    if (grilleEnAttente_) return;
    MSFlexGrid1->clearContents();
    if (modele_.duree == 0) return;
    const auto enTetes = modele_.tableau.enTetes(modele_.reglages.reaction);
    // The grid's own headers stay hidden: they name the columns for
    // assistive technologies.
    QStringList titres;
    for (int c = 0; c < colonnesTableau; ++c) {
        Label1[c]->setText(QString::fromStdString(enTetes[c]).replace("\r\n", "\n"));
        titres << Label1[c]->text().trimmed();
    }
    MSFlexGrid1->setHorizontalHeaderLabels(titres);
    MSFlexGrid1->setRowCount(modele_.tableau.nombreLignes());
    for (int r = 0; r < modele_.tableau.nombreLignes(); ++r)
        afficherLigneTableau(r);
}

void FeuilleP::afficherLigneTableau(int ligne) {
    if (ligne < 0 || ligne >= modele_.tableau.nombreLignes() || ligne >= MSFlexGrid1->rowCount()) return;
    const QColor couleurQr = couleurQt(modele_.couleurQr());
    const LigneTableau& cellules = modele_.tableau.ligne(ligne);
    for (int c = 0; c < colonnesTableau; ++c) {
        // An empty cell needs no item: most of a table before its run.
        if (cellules[c].empty()) {
            delete MSFlexGrid1->takeItem(ligne, c);
            continue;
        }
        auto* element = new QTableWidgetItem(QString::fromStdString(cellules[c]));
        element->setTextAlignment(c == 0 ? Qt::AlignHCenter | Qt::AlignTop
                                         : Qt::AlignRight | Qt::AlignVCenter);
        if (c == 5) element->setForeground(couleurQr);
        MSFlexGrid1->setItem(ligne, c, element);
    }
}

void FeuilleP::Check3_Click() {
    const QColor couleur = couleurQt(modele_.couleurQr());
    for (int r = 0; r < MSFlexGrid1->rowCount(); ++r)
        if (QTableWidgetItem* element = MSFlexGrid1->item(r, 5)) element->setForeground(couleur);
}

void FeuilleP::decrireGraphe(const std::string& description) {
    Picture2->setAccessibleDescription(QString::fromStdString(description) + "\n" +
                                       indice(Picture2->objectName(), {}, {}, {}));
}

void FeuilleP::afficherHistorique(const std::vector<MorceauHistorique>& morceaux) {
    rtf1->clear();
    QTextCursor curseur(rtf1->document());
    QTextCharFormat format;
    // The bullet is a Unicode character: every piece takes the text font.
    format.setFont(policeArial());
    for (const auto& morceau : morceaux)
        curseur.insertText(QString::fromStdString(morceau.texte).replace("\r\n", "\n"), format);
}

} // namespace vedo
