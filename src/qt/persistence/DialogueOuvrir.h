#pragma once
// The open dialog `ouvrir`, "Ouvrir une configuration": the full path of the
// file to open, chosen in the lists or typed.

#include "persistence/DialogueFichiers.h"

#include <QFrame>
#include <QLineEdit>

namespace vedo {

class DialogueOuvrir : public DialogueFichiers {
    Q_OBJECT
public:
    explicit DialogueOuvrir(ApplicationState& application, QWidget* parent = nullptr);

    QLineEdit* ficharge;
    QFrame* Frame1; // "Patience: chargement du fichier", shown while loading

    // "OUVRIR": loads the file named and closes the dialog, or says that it
    // does not exist and stays open.
    void Command1_Click();

signals:
    // `fichcourant` names an existing file: apply it now.
    void chargementDemande();

private:
    void File1_Click(const QString& nom);
};

} // namespace vedo
