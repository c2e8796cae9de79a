#pragma once
// Every message box, question, pop-up menu and file, colour or printer
// dialog of the program goes through this interface. The program shows the
// Qt dialogs (QtPrompter); tests install a ScriptedPrompter that records what
// was asked and answers from a script, so that no test waits on a modal
// window.

#include "platform/ElementMenu.h"

#include <QColor>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace vedo {

struct DemandeFichier {
    QString titre;
    QString repertoire; // where the dialog starts
    QString nomPropose;
    QString filtre;                  // "Texte au format RTF (*.RTF)"
    bool confirmerEcrasement = true; // false when the caller asks its own question
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box; returns the button pressed (the default one when the
    // dialog is closed otherwise).
    virtual QMessageBox::StandardButton
    message(QWidget* parent, QMessageBox::Icon icone, const QString& titre, const QString& texte,
            QMessageBox::StandardButtons boutons = QMessageBox::Ok,
            QMessageBox::StandardButton parDefaut = QMessageBox::NoButton) = 0;

    // A pop-up menu at a global position; returns the `choix` of the item
    // chosen, in the menu or in one of its sub-menus, or -1.
    virtual int menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position) = 0;

    virtual std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) = 0;

    virtual std::optional<QString> fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) = 0;
    virtual std::optional<QString> fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) = 0;

    // The printer set-up dialog; false when cancelled.
    virtual bool reglerImprimante(QWidget* parent, QPrinter& imprimante) = 0;

    // Runs a modal dialog of the program's own (calculator, exercise chooser,
    // open and save dialogs, print dialog) and returns its result code. When
    // it has closed, the window under it becomes the program's active window
    // again: `fenetrePropreFermee` is told.
    int executer(class QDialog& dialogue) {
        const int code = montrer(dialogue);
        if (fenetrePropreFermee) fenetrePropreFermee();
        return code;
    }
    std::function<void()> fenetrePropreFermee;

protected:
    // Shows the dialog and waits until it closes; tests answer it without
    // showing it.
    virtual int montrer(class QDialog& dialogue) = 0;
};

} // namespace vedo
