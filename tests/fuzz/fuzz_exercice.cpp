// The exercise file as the exercise window previews it: the records, then
// the stars, the notions and the hourglasses.

#include "exercises/FichierExercice.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath("essai.E39");
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    if (const auto e = vedo::lireFichierExercice(chemin)) {
        e->corrige();
        e->etoilesAllumees();
        e->texteNotions();
        e->sabliers();
    }
    return 0;
}
