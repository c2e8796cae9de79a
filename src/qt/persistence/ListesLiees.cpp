#include "persistence/ListesLiees.h"

#include "persistence/ListeFichiers.h"
#include "persistence/ListeLecteurs.h"
#include "persistence/ListeRepertoires.h"

namespace vedo {

void lierListes(ListeLecteurs& lecteurs, ListeRepertoires& repertoires, ListeFichiers& fichiers,
                const QString& depart) {
    repertoires.setChemin(depart);
    lecteurs.setLecteurDe(repertoires.chemin());
    fichiers.setChemin(repertoires.chemin());
    QObject::connect(&lecteurs, &QComboBox::currentIndexChanged, &repertoires, [&] {
        // A drive without a medium: back to the drive the directory list shows.
        if (!repertoires.setChemin(lecteurs.lecteur())) lecteurs.setLecteurDe(repertoires.chemin());
        fichiers.setChemin(repertoires.chemin());
    });
    QObject::connect(&repertoires, &ListeRepertoires::cheminChange, &fichiers,
                     [&] { fichiers.setChemin(repertoires.chemin()); });
}

} // namespace vedo
