#include "mainwindow/DialoguesConfiguration.h"

#include "mainwindow/ChargementConfiguration.h"
#include "mainwindow/FeuilleP.h"
#include "persistence/DialogueEnregistrer.h"
#include "persistence/DialogueOuvrir.h"

namespace vedo {

void ouvrirConfiguration(FeuilleP& fenetre) {
    DialogueOuvrir dialogue(fenetre.application, &fenetre);
    dialogue.placerPres(&fenetre);
    QObject::connect(&dialogue, &DialogueOuvrir::chargementDemande, &fenetre,
                     [&fenetre] { chargeconfig(fenetre); });
    fenetre.application.prompteur.executer(dialogue);
}

void enregistrerConfiguration(FeuilleP& fenetre) {
    DialogueEnregistrer dialogue(
        fenetre.application, [&fenetre] { return fenetre.modele().reglages; }, &fenetre);
    dialogue.placerPres(&fenetre);
    QObject::connect(&dialogue, &DialogueEnregistrer::enregistre, &fenetre,
                     [&fenetre](const QString& chemin) { fenetre.setWindowTitle(titreAvecFichier(chemin)); });
    fenetre.application.prompteur.executer(dialogue);
}

} // namespace vedo
