// The command-line options of the run commands: the input is the argument
// list, one argument per line.

#include "cli/RunOptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    QString erreur;
    vedo::cli::lireOptionsRun(texte.split('\n'), erreur);
    return 0;
}
