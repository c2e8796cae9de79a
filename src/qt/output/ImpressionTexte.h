#pragma once
// "Imprimer le contenu de la fenêtre exercice": the printer set-up dialog,
// then the whole exercise text with its formatting.

class QTextDocument;
class QWidget;

namespace vedo {

class ChoixImprimante;
class Prompter;

// False when the user cancels the printer or the PDF file, or when that
// file cannot be written (a message then says so).
bool imprimerTexte(const QTextDocument& texte, ChoixImprimante& choix, Prompter& prompter, QWidget* parent);

} // namespace vedo
