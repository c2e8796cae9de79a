// The RTF reader over any bytes, into a document as the exercise area holds it.

#include "ApplicationFuzz.h"
#include "exercises/RtfLecteur.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vedo::fuzz::creerApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    QTextDocument document;
    QString erreur;
    vedo::lireRtf(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)),
                  document, &erreur);
    document.toPlainText();
    return 0;
}
