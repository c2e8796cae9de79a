#pragma once
// The print dialog "Imprimer": the printer, the page title, the number of
// copies and which of the apparatus picture, the graph and the table to
// print. Each opening starts from the design defaults.

#include "output/Vues.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vedo {

class ChoixImprimante;
class Prompter;

class Confimp : public QDialog {
    Q_OBJECT
public:
    Confimp(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre);

private:
    void Command1_Click();     // "&OK": prints, then closes
    void Command2_Click();     // "&Imprimantes"
    void afficherImprimante(); // the load step, again after a printer change
    void attendre(bool oui);

    Prompter& prompter_;
    ChoixImprimante& choix_;
    Vues vues_;

    QLineEdit* defaut_;
    QLineEdit* Text1_;
    QSpinBox* UpDown1_;
    QGroupBox* Frame1_;
    std::array<QCheckBox*, 3> Check1_;
    QPushButton* Command1_;
    QPushButton* Command2_;
    QPushButton* Command3_;
    QFrame* frame2_;
};

// "&Imprimer" (`Command10`): opens the print dialog modally, 20 pixels below
// the main window's top.
void imprimerFenetre(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre);

} // namespace vedo
