#pragma once
// The question asked before the exercise text the student changed is
// replaced or lost: opening an exercise, its correction or a text, closing
// it, and quitting.

class QWidget;

namespace vedo {

struct ApplicationState;

// The question of presentation/MessagesExercice.h, asked as window `parent`'s.
bool abandonTexteAccepte(ApplicationState& application, QWidget* parent);

} // namespace vedo
