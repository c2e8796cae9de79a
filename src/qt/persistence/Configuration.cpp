#include "persistence/Configuration.h"

#include <QStringList>

namespace vedo {

QString texteEntierEnregistrement(std::int64_t valeur) {
    return (valeur < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
           QString::number(valeur < 0 ? -valeur : valeur);
}

QStringList textesConfiguration(const Configuration& c) {
    const auto drapeau = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    QStringList t;
    t << identificationConfiguration;
    for (const auto& q : c.quantites)
        t << q;
    t << texteEntierEnregistrement(c.reaction) << texteEntierEnregistrement(c.classeAlcool)
      << texteEntierEnregistrement(c.especeVolatile);
    for (auto couleur : c.couleurs)
        t << texteEntierEnregistrement(couleur);
    t << texteEntierEnregistrement(c.positionDuree) << texteEntierEnregistrement(c.defilementLignes)
      << texteEntierEnregistrement(c.temperature) << texteEntierEnregistrement(c.vitesseAnimation);
    t << drapeau(c.representationGraphique) << drapeau(c.tableauValeurs);
    for (bool courbe : c.courbes)
        t << drapeau(courbe);
    t << drapeau(c.traceGras) << drapeau(c.conserverCourbes) << drapeau(c.afficherQr) << drapeau(c.distiller)
      << drapeau(c.catalyseur);
    return t;
}

} // namespace vedo
