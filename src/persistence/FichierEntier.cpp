#include "persistence/FichierEntier.h"

#include <QSaveFile>

namespace vedo {

bool ecrireFichierEntier(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) return false;
    // The write is buffered: a full disk only shows at the flush, and commit()
    // would still put the empty temporary file in place of the good one.
    if (fichier.write(contenu) != contenu.size() || !fichier.flush()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}

} // namespace vedo
