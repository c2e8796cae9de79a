#include "platform/AbandonTexte.h"

#include "platform/ApplicationState.h"

namespace vedo {

bool abandonTexteAccepte(ApplicationState& application, QWidget* parent) {
    if (!application.texteModifie) return true;
    return application.prompteur.message(parent, QMessageBox::Question, "Abandon des données?",
                                         "Attention: perte des modifications du texte.",
                                         QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace vedo
