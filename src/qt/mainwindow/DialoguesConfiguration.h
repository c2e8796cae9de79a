#pragma once
// The main window's "&Ouvrir" and "&Enregistrer": each shows its dialog
// modally by the window and hands it the window's settings or the loader.

namespace vedo {

class FeuilleP;

// `Command2_Click`: the open dialog.
void ouvrirConfiguration(FeuilleP& fenetre);
// `Command11_Click`: the save dialog.
void enregistrerConfiguration(FeuilleP& fenetre);

} // namespace vedo
