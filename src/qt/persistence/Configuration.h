#pragma once
// A configuration: every setting a student can make in the main window,
// stored in a ".C15" file of 27 records in this order:
//   1 "ESTER"; 2-5 the four amount boxes as typed; 6 reaction; 7 class of the
//   alcohol; 8 volatile species (-1: none); 9-12 curve colours
//   (r + 256 g + 65536 b); 13 duration position; 14 table-rows scroll value;
//   15 temperature; 16 animation speed; 17-18 graph / table option buttons;
//   19-22 curves shown; 23 "Tracer en gras"; 24 "Conserver les courbes";
//   25 "Afficher Qr "; 26 "Distiller "; 27 "Ajouter un catalyseur".
// Integers keep a sign position (" 2", "-1"); flags are "1" or "0".

#include <QString>

#include <array>
#include <cstdint>

namespace vedo {

inline constexpr int enregistrementsConfiguration = 27;
inline const QString identificationConfiguration = QStringLiteral("ESTER");

struct Configuration {
    std::array<QString, 4> quantites = {"0,1", "0,1", "0", "0"};
    std::int16_t reaction = 0;
    std::int16_t classeAlcool = 0;
    std::int16_t especeVolatile = -1;
    std::array<std::int32_t, 4> couleurs = {0xFF0000, 0xFF00FF, 0x0080FF,
                                            0x00C000}; // blue, magenta, orange, green
    std::int16_t positionDuree = 11;
    std::int16_t defilementLignes = 60;
    std::int16_t temperature = 200;
    std::int16_t vitesseAnimation = 50;
    bool representationGraphique = true;
    bool tableauValeurs = false;
    std::array<bool, 4> courbes = {true, true, true, true};
    bool traceGras = false;
    bool conserverCourbes = false;
    bool afficherQr = true;
    bool distiller = false;
    bool catalyseur = false;

    bool operator==(const Configuration&) const = default;
};

// " 2", "-1": the integer form of the records.
QString texteEntierEnregistrement(std::int64_t valeur);

// The texts of records 1 to 27.
QStringList textesConfiguration(const Configuration& c);

} // namespace vedo
