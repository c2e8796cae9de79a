#pragma once
// The drive, directory and file lists of the file dialogs and the exercise
// chooser, linked as one: a drive opens its directory, a directory lists its
// files. The lists start on `depart`.

class QString;

namespace vedo {

class ListeLecteurs;
class ListeRepertoires;
class ListeFichiers;

void lierListes(ListeLecteurs& lecteurs, ListeRepertoires& repertoires, ListeFichiers& fichiers,
                const QString& depart);

} // namespace vedo
