#pragma once
// The save dialog `enregistrer`, "Enregistrer les paramètres.": the name to
// save under, in the directory the lists show unless the name holds one.

#include "records/Configuration.h"
#include "persistence/DialogueFichiers.h"

#include <QLineEdit>

#include <functional>

namespace vedo {

class DialogueEnregistrer : public DialogueFichiers {
    Q_OBJECT
public:
    // `configurationCourante` gives the settings to write at the moment of the save.
    DialogueEnregistrer(ApplicationState& application, std::function<Configuration()> configurationCourante,
                        QWidget* parent = nullptr);

    QLineEdit* Text1; // the name, `fichcourant` at the opening

    // "ENREGISTRER": writes the file and closes the dialog, or says why not
    // and stays open.
    void Command1_Click();

signals:
    // The file was written at `chemin`.
    void enregistre(const QString& chemin);

private:
    void File1_PathChange();
    void File1_DblClick(const QString& nom);

    std::function<Configuration()> configurationCourante_;
};

} // namespace vedo
