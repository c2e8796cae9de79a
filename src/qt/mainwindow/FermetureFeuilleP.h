#pragma once
// The end of the main window: the questions before closing, whatever asked
// for the close, and the bookkeeping once it is closed.

namespace vedo {

class FeuilleP;

// `Form_QueryUnload`: warns of an exercise text that would be lost, then
// asks for confirmation. False when the user keeps the window open.
bool confirmerFermeture(FeuilleP& fenetre);

// `Form_Unload`: the suite is told that the program stopped.
void dechargement(FeuilleP& fenetre);

} // namespace vedo
