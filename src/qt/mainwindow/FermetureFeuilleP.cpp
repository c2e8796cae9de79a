#include "mainwindow/FermetureFeuilleP.h"

#include "mainwindow/FeuilleP.h"
#include "persistence/FichierEchange.h"
#include "platform/AbandonTexte.h"

namespace vedo {

namespace {
bool accepte(FeuilleP& fenetre, const QString& titre, const QString& texte) {
    return fenetre.application.prompteur.message(&fenetre, QMessageBox::Question, titre, texte,
                                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
} // namespace

bool confirmerFermeture(FeuilleP& fenetre) {
    if (!abandonTexteAccepte(fenetre.application, &fenetre)) return false;
    return accepte(fenetre, "Fermer", "Quitter vraiment Vedoriruvirivi ?");
}

void dechargement(FeuilleP& fenetre) {
    annoncerEnMarche(fenetre.application, false);
}

} // namespace vedo
