#pragma once
// The print dialog "Imprimer", the shell of ModeleConfimp: its widgets, the
// printer set-up and the printing.

#include "output/Vues.h"
#include "presentation/ModeleConfimp.h"

#include <QDialog>

#include <QHash>


namespace vedo {

class ChoixImprimante;
class Prompter;

class Confimp : public QDialog {
    Q_OBJECT
public:
    Confimp(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre);

private:
    ServicesImpression services();
    bool imprimer(const ChoixImpression& choix);
    void creerControles();
    void actualiser(const EtatControle& etat, bool immediat);
    // The printer's name box, wide enough for the name.
    void ajusterImprimante();

    Prompter& prompter_;
    ChoixImprimante& choix_;
    Vues vues_;
    ModeleConfimp modele_;
    QHash<QString, QWidget*> widgets_;
};

// "&Imprimer" (`Command10`): opens the print dialog modally, 20 pixels below
// the main window's top.
void imprimerFenetre(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre);

} // namespace vedo
