#include "mainwindow/FermetureFeuilleP.h"

#include "mainwindow/FeuilleP.h"
#include "persistence/FichierEchange.h"

namespace vedo {

namespace {
bool accepte(FeuilleP& fenetre, const QString& titre, const QString& texte) {
    return fenetre.application.prompteur.message(&fenetre, QMessageBox::Question, titre, texte,
                                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
} // namespace

bool confirmerFermeture(FeuilleP& fenetre) {
    if (fenetre.application.texteModifie &&
        !accepte(fenetre, "Abandon des données?", "Attention: perte des modifications du texte."))
        return false;
    return accepte(fenetre, "Fermer", "Quitter vraiment Vedoriruvirivi ?");
}

void dechargement(FeuilleP& fenetre) {
    annoncerEnMarche(fenetre.application, false);
}

} // namespace vedo
