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

namespace {
Vues vuesDe(const FeuilleP& f) {
    // The window's header labels, `Label1`(6) standing over the species' columns.
    EnTeteGrille enTete{{}, f.Label1[6]->text(), 1, 4};
    for (int c = 0; c < 6; ++c)
        enTete.colonnes << f.Label1[c]->text();
    Vues vues{f.animpic->image(), f.Picture2->image(), f.MSFlexGrid1, enTete};
    vues.dessinGraphe = &f.modele().dessinGraphe;
    vues.ratioPixels = f.Picture2->devicePixelRatioF();
    vues.tableauCsv = QByteArray::fromStdString(tableauCsv(f.modele().tableau, f.modele().reglages.reaction));
    vues.configuration = f.application.fichcourant;
    return vues;
}
} // namespace

void FeuilleP::Command4_Click() {
    modele_.Command4_Click(pixelDe(QCursor::pos()));
}

CopiesPossibles FeuilleP::copiesPossibles() {
    return vedo::copiesPossibles(vuesDe(*this));
}

void FeuilleP::copier(ChoixCopie choix) {
    vedo::copier(choix, application.prompteur, this, vuesDe(*this), exportation_);
}

ChoixImprimante& FeuilleP::choixImprimante() {
    if (!choixImprimante_) choixImprimante_ = std::make_unique<ChoixImprimante>();
    return *choixImprimante_;
}

void FeuilleP::Command10_Click() {
    imprimerFenetre(application.prompteur, choixImprimante(), vuesDe(*this), this);
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
