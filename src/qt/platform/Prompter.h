#pragma once
// Every message box, question, pop-up menu and file, colour or printer
// dialog of the program goes through this interface. The program shows the
// Qt dialogs (QtPrompter); tests install a ScriptedPrompter that records what
// was asked and answers from a script, so that no test waits on a modal
// window. The core asks its questions through the same object; the widgets
// ask theirs in Qt's types and name the window a dialog belongs to.

#include "platform/BoiteMessageQt.h"
#include "platform/MenuSimpleQt.h"
#include "platform/Questions.h"

#include <QColor>
#include <QMessageBox>
#include <QPoint>
#include <QString>

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

class Prompter : public virtual Questions {
public:
    using Questions::couleur;
    using Questions::fichierAEnregistrer;
    using Questions::fichierAOuvrir;
    using Questions::menu;
    using Questions::message;

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                        const QString& texte,
                                        QMessageBox::StandardButtons boutons = QMessageBox::Ok,
                                        QMessageBox::StandardButton parDefaut = QMessageBox::NoButton);
    // At a global position.
    int menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position);
    std::optional<QColor> couleur(QWidget* parent, const QColor& initiale);
    std::optional<QString> fichierAOuvrir(QWidget* parent, const DemandeFichier& demande);
    std::optional<QString> fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande);

    // Runs `question`, one or more questions in the core's form, as questions
    // of window `fenetre`.
    void demanderPour(QWidget* fenetre, const std::function<void()>& question);

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

    // The window the question being asked belongs to; null for the core's
    // questions.
    QWidget* fenetreParente() const { return parent_; }

private:
    template <typename Question> auto demander(QWidget* parent, Question question);

    QWidget* parent_ = nullptr;
};

} // namespace vedo
