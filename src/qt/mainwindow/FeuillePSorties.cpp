// What leaves the main window: copies, printing and the help.

#include "mainwindow/FeuilleP.h"

#include "output/Aide.h"
#include "output/ChoixImprimante.h"
#include "output/Confimp.h"
#include "output/Copie.h"
#include "output/Vues.h"
#include "platform/DessinQt.h"
#include "view/TableauCsv.h"

#include <QCoreApplication>
#include <QCursor>

namespace vedo {

Vues FeuilleP::vues() const {
    // The window's header labels, `Label1`(6) standing over the species' columns.
    EnTeteGrille enTete{{}, Label1[6]->text(), 1, 4};
    for (int c = 0; c < 6; ++c)
        enTete.colonnes << Label1[c]->text();
    Vues vues{animpic->image(), Picture2->image(), MSFlexGrid1, enTete};
    vues.dessinGraphe = &modele_.dessinGraphe;
    vues.ratioPixels = Picture2->devicePixelRatioF();
    vues.tableauCsv = QByteArray::fromStdString(tableauCsv(modele_.tableau, modele_.reglages.reaction));
    vues.configuration = application.fichcourant;
    return vues;
}

void FeuilleP::Command4_Click() {
    modele_.Command4_Click(pixelDe(QCursor::pos()));
}

CopiesPossibles FeuilleP::copiesPossibles() {
    return vedo::copiesPossibles(vues());
}

void FeuilleP::copier(ChoixCopie choix) {
    vedo::copier(choix, application.prompteur, this, vues(), exportation_);
}

ChoixImprimante& FeuilleP::choixImprimante() {
    if (!choixImprimante_) choixImprimante_ = std::make_unique<ChoixImprimante>();
    return *choixImprimante_;
}

void FeuilleP::Command10_Click() {
    imprimerFenetre(application.prompteur, choixImprimante(), vues(), this);
}

void FeuilleP::Command7_Click() {
    if (!aide_) aide_ = new FenetreAide(this);
    ouvrirAide(*aide_, application.prompteur, QCoreApplication::applicationDirPath(), Picture2->image(),
               [this](const QImage& image) {
                   Picture2->imageADessiner() = image;
                   Picture2->update();
               });
}

} // namespace vedo
