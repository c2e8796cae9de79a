#pragma once
// The main window's "&Enregistrer" and "&Ouvrir" played as a user would:
// the dialog opened by the button, a name typed, the dialog's button clicked.

#include "ControlesFeuilleP.h"
#include "FenetreDeTest.h"
#include "persistence/DialogueEnregistrer.h"
#include "persistence/DialogueOuvrir.h"

// Saves under `nom` as typed in the save dialog; the dialog's result.
inline int enregistrerSous(FenetreDeTest& f, const QString& nom) {
    int resultat = -1;
    f.prompteur.reponsesDialogues.push_back([&](QDialog& d) {
        auto* dialogue = qobject_cast<vedo::DialogueEnregistrer*>(&d);
        if (!dialogue) return int(QDialog::Rejected);
        dialogue->Text1->setText(nom);
        dialogue->Command1->click();
        resultat = dialogue->result();
        return resultat;
    });
    controles(f).Command11->click();
    return resultat;
}

// Opens `chemin` as typed in the open dialog; the dialog's result.
// `courbesApresChargement`: the kept-run counter as the load left it, before
// the dialog's close makes the main window active again and forgets the runs.
inline int ouvrirFichier(FenetreDeTest& f, const QString& chemin, int* courbesApresChargement = nullptr) {
    int resultat = -1;
    f.prompteur.reponsesDialogues.push_back([&](QDialog& d) {
        auto* dialogue = qobject_cast<vedo::DialogueOuvrir*>(&d);
        if (!dialogue) return int(QDialog::Rejected);
        dialogue->ficharge->setText(chemin);
        dialogue->Command1->click();
        if (courbesApresChargement) *courbesApresChargement = f.etat.courbes.nbCourbes;
        resultat = dialogue->result();
        return resultat;
    });
    controles(f).Command2->click();
    return resultat;
}
