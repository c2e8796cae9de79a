#pragma once
// What the open and save dialogs share: the drive, directory and file lists
// linked together, starting on the process's current directory, the main
// button and "ANNULER", and the place of the dialog by the main window.

#include "persistence/ListeFichiers.h"
#include "persistence/ListeLecteurs.h"
#include "persistence/ListeRepertoires.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace vedo {

struct ApplicationState;

class DialogueFichiers : public QDialog {
    Q_OBJECT
public:
    ListeLecteurs* Drive1;
    ListeRepertoires* Dir1;
    ListeFichiers* File1;
    QPushButton* Command1; // the dialog's action
    QPushButton* Command2; // "ANNULER"

    // Puts the dialog's corner 20 pixels right of and below the window's.
    void placerPres(const QWidget* fenetre);

protected:
    DialogueFichiers(ApplicationState& application, const QString& titre, const QString& action,
                     QWidget* parent);

    QLabel* etiquette(const char* nom, const QString& texte, const QRect& rectangle);
    // A critical message box with an OK button.
    void signaler(const QString& titre, const QString& texte);

    ApplicationState& application;
};

} // namespace vedo
