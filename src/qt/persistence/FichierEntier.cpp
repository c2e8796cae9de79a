#include "persistence/FichierEntier.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vedo {

namespace {

// `octets` from the start of the file, and nothing after them.
bool remplir(QFile& fichier, const QByteArray& octets) {
    return fichier.seek(0) && fichier.write(octets) == octets.size() && fichier.resize(octets.size());
}

// Opened without truncating, once the new bytes are ready: a file that
// cannot be opened stays whole. Unbuffered, so that a write that stops
// halfway leaves nothing pending and the previous bytes can be put back.
bool ecrireSurPlace(const QString& chemin, const QByteArray& contenu) {
    if (!QFileInfo(chemin).isFile()) return false;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return false;
    const QByteArray ancien = fichier.readAll();
    if (ancien.size() != fichier.size()) return false;
    if (!remplir(fichier, contenu)) {
        remplir(fichier, ancien);
        return false;
    }
    // A network share may report a failed write only when the file is closed.
    fichier.close();
    return fichier.error() == QFileDevice::NoError;
}

} // namespace

bool ecrireFichierEntier(const QString& chemin, const QByteArray& contenu) {
    QSaveFile fichier(chemin);
    // A folder where files may be changed but not created (network shares of
    // schools) takes no temporary file.
    if (!fichier.open(QIODevice::WriteOnly)) return ecrireSurPlace(chemin, contenu);
    // The write is buffered: a full disk only shows at the flush, and commit()
    // would still put the empty temporary file in place of the good one.
    if (fichier.write(contenu) != contenu.size() || !fichier.flush()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}

} // namespace vedo
