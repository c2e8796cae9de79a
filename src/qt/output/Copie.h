#pragma once
// "Co&pier": the pop-up menu `menucop` puts the apparatus picture, the graph,
// the table's cells as text or a picture of the table on the clipboard, or
// saves the graph or the table to a file.

#include "output/Vues.h"

#include <QPoint>
#include <QString>

class QWidget;

namespace vedo {

class Exportation;
class Prompter;

// `messageCopie`, the copy confirmation shown in `info`.
QString messageCopie();

// Each clears the clipboard, then puts one thing on it.
void copierImage(const QImage& image);
void copierContenuTableau(const QTableWidget& grille);
void copierImageTableau(const QTableWidget& grille, const EnTeteGrille& enTete);

// The items of `menucop` that do something, as the menu returns them.
enum ChoixCopie { cop001, Cop002, cop0031, cop0032, copEnregistrerGraphe, copEnregistrerTableau };

// "Co&pier" (`Command4`): pops up `menucop` at `position` (global), with
// "Copier le tableau" opening a sub-menu of its two items and, after a
// separator, the two saves, then does what was chosen. Returns what `info`
// shows next: `messageCopie`, even when nothing was chosen.
QString copier(Prompter& prompter, QWidget* parent, const QPoint& position, const Vues& vues,
               Exportation& exportation);

} // namespace vedo
