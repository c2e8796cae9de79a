// The record reader over any bytes: every record of the file, one past its
// end and a record far beyond it.

#include "persistence/RecordFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    QBuffer fichier(&octets);
    fichier.open(QIODevice::ReadOnly);
    const int dernier = static_cast<int>(taille / vedo::tailleEnregistrement) + 2;
    for (int numero = 1; numero <= dernier; ++numero)
        if (const auto texte = vedo::lireEnregistrement(fichier, numero)) vedo::octetsEnregistrement(*texte);
    vedo::lireEnregistrement(fichier, 1 << 24);
    return 0;
}
