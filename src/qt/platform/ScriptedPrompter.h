#pragma once
// The core's scripted questions, with the dialogs that stay Qt's: the
// printer set-up and the program's own modal dialogs, recorded as "imprimante"
// and "dialogue" (the dialog's class name as text) and answered from their
// own scripts.

#include "platform/Prompter.h"
#include "platform/QuestionsScriptees.h"

#include <QStringList>

namespace vedo {

class ScriptedPrompter : public Prompter, public QuestionsScriptees {
public:
    using Prompter::couleur;
    using Prompter::fichierAEnregistrer;
    using Prompter::fichierAOuvrir;
    using Prompter::menu;
    using Prompter::message;

    std::deque<bool> reponsesImprimante;
    // Plays a modal dialog: may set its controls and click its buttons, then
    // returns the result code. Without one, the dialog is rejected unseen.
    std::deque<std::function<int(QDialog&)>> reponsesDialogues;

    bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override;

    // The messages asked so far, as "title: text".
    QStringList messages() const;

protected:
    int montrer(QDialog& dialogue) override;
};

} // namespace vedo
