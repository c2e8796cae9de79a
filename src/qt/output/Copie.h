#pragma once
// What "Co&pier"'s menu `menucop` does on the desktop with its pictures: the
// apparatus picture, the graph or a picture of the table put on the
// clipboard, or the graph or the table saved to a file.

#include "output/Vues.h"
#include "presentation/MenuCopie.h"


class QWidget;

namespace vedo {

class Exportation;
class Prompter;

// Each clears the clipboard, then puts one thing on it.
void copierImage(const QImage& image);
void copierImageTableau(const QTableWidget& grille, const EnTeteGrille& enTete);

// What `vues` has to copy or save.
CopiesPossibles copiesPossibles(const Vues& vues);

// Does what `menucop`'s item `choix` asks; the table's cells as text are the core's.
void copier(ChoixCopie choix, Prompter& prompter, QWidget* parent, const Vues& vues, Exportation& exportation);

} // namespace vedo
