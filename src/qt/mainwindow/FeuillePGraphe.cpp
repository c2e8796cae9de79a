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
    if (modele_.duree == 0) return;

    modele_.facteurGraphe = static_cast<std::int16_t>(vedo::facteurGraphe(Picture2->width()));
    const QPoint origine = pixelQt(origineGraphe(modele_.facteurGraphe));
    Picture2->setOrigine(origine);
    if (modele_.facteurGraphe == 1) Label5->move(QPoint(190, -7) - origine);
    Command12->move(Picture2->width() - Command12->width(), 0);
    Command6->move(Command12->x() - Command6->width(), Command12->y());
    if (rafraichirTableau == 1) prepatab();

    // The scale and the starting dots read the amounts as the run does,
    // whatever their validation.
    CadreGraphe cadre;
    Quantites initiales{};
    for (int i = 0; i < 4; ++i) {
        const auto v = quantiteSaisie(modele_.reglages.quantites[i]);
        initiales[i] = v.value_or(0.0f);
        if (v) cadre.departs[i] = *v;
    }
    cadre.affichees = modele_.courbesAffichees();
    cadre.couleurs = modele_.couleurs();
    cadre.gras = modele_.reglages.traceGras;
    const KeptRuns& conserves = application.courbes;
    modele_.ymax = ymaxGraphe(initiales, cadre.affichees, modele_.reglages.conserverCourbes ? &conserves : nullptr);

    modele_.duree = modele_.dureeSelectionnee();
    modele_.uniteTemps = vedo::uniteTemps(modele_.duree);
    cadre.echelle = {modele_.facteurGraphe, modele_.duree, modele_.ymax};
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
    if (modele_.reglages.conserverCourbes) Command6->show();
    dessinerCourbesConservees(Picture2->surface(), cadre.echelle, cadre.affichees,
                              Picture2->epaisseur(), conserves, &dessinGraphe);
    Picture2->update();
}

void FeuilleP::prepatab() {
    std::array<std::string, 4> textes;
    for (int i = 0; i < 4; ++i)
        textes[i] = modele_.reglages.quantites[i];
    modele_.duree = modele_.dureeSelectionnee();
    modele_.tableau.prepatab(modele_.duree, modele_.reglages.defilementLignes, textes, modele_.conditions());
    // The hidden grid shows only the last of the tables the load prepares.
    if (!grilleEnAttente_) afficherTableau();
}

void FeuilleP::afficherTableau() {
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
    const QColor couleurQr = modele_.reglages.afficherQr ? Qt::black : Qt::white;
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
    // On the white grid a white Qr is hidden; the header stays.
    const QColor couleur = modele_.reglages.afficherQr ? Qt::black : Qt::white;
    for (int r = 0; r < MSFlexGrid1->rowCount(); ++r)
        if (QTableWidgetItem* element = MSFlexGrid1->item(r, 5)) element->setForeground(couleur);
}

void FeuilleP::option2_Click() {
    echgraphe(0);
}

void FeuilleP::Check2_Click() {
    if (modele_.reglages.conserverCourbes) return;
    application.courbes.effacer();
    echgraphe(1);
}

void FeuilleP::decrireGraphe() {
    const auto& n = modele_.nomEspece;
    const std::array<std::string, 4> especes = {n[1], n[2], n[3], n[4]};
    Picture2->setAccessibleDescription(QString::fromStdString(vedo::decrireGraphe(
                                           modele_.dureeSelectionnee(), modele_.courbesAffichees(), especes,
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
