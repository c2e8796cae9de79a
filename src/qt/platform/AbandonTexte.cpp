#include "platform/AbandonTexte.h"

#include "platform/ApplicationState.h"
#include "platform/QuestionsFenetre.h"
#include "presentation/MessagesExercice.h"

namespace vedo {

bool abandonTexteAccepte(ApplicationState& application, QWidget* parent) {
    QuestionsFenetre questions(application.prompteur, parent);
    return abandonTexteAccepte(questions, application.texteModifie);
}

} // namespace vedo
