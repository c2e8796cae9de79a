// The graph, the table of values and the history of the main window.

#include "mainwindow/FeuilleP.h"

#include "engine/AmountRules.h"
#include "engine/History.h"
#include "mainwindow/Indices.h"

#include <QTextCursor>

namespace vedo {

void FeuilleP::echgraphe(int rafraichirTableau) {
    makehisto();
    decrireGraphe();
    if (duree == 0) return;

    facteurGraphe = static_cast<std::int16_t>(vedo::facteurGraphe(Picture2->width()));
    const QPoint origine = pixelQt(origineGraphe(facteurGraphe));
    Picture2->setOrigine(origine);
    if (facteurGraphe == 1) Label5->move(QPoint(190, -7) - origine);
    Command12->move(Picture2->width() - Command12->width(), 0);
    Command6->move(Command12->x() - Command6->width(), Command12->y());
    if (rafraichirTableau == 1) prepatab();

    // The scale and the starting dots read the amounts as the run does,
    // whatever their validation.
    CadreGraphe cadre;
    Quantites initiales{};
    for (int i = 0; i < 4; ++i) {
        const auto v = quantiteSaisie(Picture4->Text1[i]->text().toStdString());
        initiales[i] = v.value_or(0.0f);
        if (v) cadre.departs[i] = *v;
    }
    cadre.affichees = courbesAffichees();
    cadre.couleurs = couleursActuelles();
    cadre.gras = frame2->Check1->isChecked();
    const KeptRuns& conserves = application.courbes;
    ymax = ymaxGraphe(initiales, cadre.affichees, frame2->Check2->isChecked() ? &conserves : nullptr);

    duree = dureeSelectionnee();
    uniteTemps = vedo::uniteTemps(duree);
    cadre.echelle = {facteurGraphe, duree, ymax};
    Picture2->setEpaisseur(1);
    const QSize taille = Picture2->imageADessiner().size();
    const bool dessine = dessinGraphe.dessinerCadre(Picture2->surface(), taille.width(), taille.height(), cadre);
    Picture2->update();
    if (!dessine) return;
    Picture2->setEpaisseur(cadre.gras ? 2 : 1);

    if (conserves.nbCourbes < 0) {
        Command6->hide();
        return;
    }
    if (frame2->Check2->isChecked()) Command6->show();
    dessinerCourbesConservees(Picture2->surface(), cadre.echelle, cadre.affichees,
                              Picture2->epaisseur(), conserves, &dessinGraphe);
    Picture2->update();
}

void FeuilleP::prepatab() {
    std::array<std::string, 4> textes;
    for (int i = 0; i < 4; ++i)
        textes[i] = Picture4->Text1[i]->text().toStdString();
    duree = dureeSelectionnee();
    tableau.prepatab(duree, Picture1->VScroll3->value(), textes, conditionsActuelles());
    // The hidden grid shows only the last of the tables the load prepares.
    if (!grilleEnAttente_) afficherTableau();
}

void FeuilleP::afficherTableau() {
    MSFlexGrid1->clearContents();
    if (duree == 0) return;
    const auto enTetes = tableau.enTetes(Picture4->Combo1->currentIndex());
    // The grid's own headers stay hidden: they name the columns for
    // assistive technologies.
    QStringList titres;
    for (int c = 0; c < colonnesTableau; ++c) {
        Label1[c]->setText(QString::fromStdString(enTetes[c]).replace("\r\n", "\n"));
        titres << Label1[c]->text().trimmed();
    }
    MSFlexGrid1->setHorizontalHeaderLabels(titres);
    MSFlexGrid1->setRowCount(tableau.nombreLignes());
    for (int r = 0; r < tableau.nombreLignes(); ++r)
        afficherLigneTableau(r);
}

void FeuilleP::afficherLigneTableau(int ligne) {
    if (ligne < 0 || ligne >= tableau.nombreLignes() || ligne >= MSFlexGrid1->rowCount()) return;
    const QColor couleurQr = frame2->Check3->isChecked() ? Qt::black : Qt::white;
    const LigneTableau& cellules = tableau.ligne(ligne);
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
    // On the white grid a white Qr is hidden; the header stays.
    const QColor couleur = frame2->Check3->isChecked() ? Qt::black : Qt::white;
    for (int r = 0; r < MSFlexGrid1->rowCount(); ++r)
        if (QTableWidgetItem* element = MSFlexGrid1->item(r, 5)) element->setForeground(couleur);
}

void FeuilleP::option2_Click() {
    echgraphe(0);
}

void FeuilleP::Check2_Click() {
    if (frame2->Check2->isChecked()) return;
    application.courbes.effacer();
    echgraphe(1);
}

void FeuilleP::decrireGraphe() {
    const std::array<std::string, 4> especes = {nomEspece[1].toStdString(), nomEspece[2].toStdString(),
                                                nomEspece[3].toStdString(), nomEspece[4].toStdString()};
    Picture2->setAccessibleDescription(QString::fromStdString(vedo::decrireGraphe(
                                           dureeSelectionnee(), courbesAffichees(), especes,
                                           application.courbes.nbCourbes + 1)) +
                                       "\n" + indice(Picture2->objectName(), {}, {}, {}));
}

void FeuilleP::makehisto() {
    rtf1->clear();
    QTextCursor curseur(rtf1->document());
    QTextCharFormat format;
    // The bullet is a Unicode character: every piece takes the text font.
    format.setFont(policeArial());
    for (const auto& morceau : vedo::makehisto(application.courbes))
        curseur.insertText(QString::fromStdString(morceau.texte).replace("\r\n", "\n"), format);
}

} // namespace vedo
