#pragma once
// The controls that Tab reaches in a window, in the order of its focus
// chain: those that take the focus from the keyboard, shown and enabled, and
// not hidden under another control (the table of values over the graph, the
// enlarged graph over the panels).

#include <QList>

class QWidget;

namespace vedo {

QList<QWidget*> chaineTabulation(const QWidget* fenetre);

// The control that Tab (`suivant`) or Shift+Tab reaches from `depart`, round
// the chain; from the window itself when `depart` is null. Null when Tab
// reaches nothing.
QWidget* voisinTabulation(const QWidget* fenetre, QWidget* depart, bool suivant);

} // namespace vedo
