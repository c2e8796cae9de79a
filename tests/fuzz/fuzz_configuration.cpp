// The configuration loader over any file, up to the conditions of the run it
// describes: amounts, duration and rate constants.

#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "engine/RateLaw.h"
#include "persistence/ConfigurationFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath("essai.C15");
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    const auto lecture = vedo::lireConfiguration(chemin);
    const vedo::Configuration& c = lecture.configuration;
    for (const QString& q : c.quantites)
        vedo::quantiteSaisie(q.toStdString());
    vedo::dureePosition(c.positionDuree);
    vedo::Conditions k;
    k.reaction = c.reaction;
    k.classeAlcool = c.classeAlcool;
    k.temperature = c.temperature;
    k.catalyseur = c.catalyseur;
    k.distillation = c.distiller;
    k.especeVolatile = c.especeVolatile;
    vedo::constantesVitesse(k);
    return 0;
}
