#include "platform/ScriptedPrompter.h"

#include <QDialog>

namespace vedo {

bool ScriptedPrompter::reglerImprimante(QWidget*, QPrinter&) {
    questions.push_back({"imprimante", {}, {}, Icone::aucune, {}});
    return prendreReponse(reponsesImprimante).value_or(false);
}

int ScriptedPrompter::montrer(QDialog& dialogue) {
    questions.push_back({"dialogue",
                         dialogue.windowTitle().toStdString(),
                         dialogue.metaObject()->className(),
                         Icone::aucune,
                         {}});
    if (auto jouer = prendreReponse(reponsesDialogues)) return (*jouer)(dialogue);
    return QDialog::Rejected;
}

QStringList ScriptedPrompter::messages() const {
    QStringList liste;
    for (const std::string& m : QuestionsScriptees::messages())
        liste << QString::fromStdString(m);
    return liste;
}

} // namespace vedo
