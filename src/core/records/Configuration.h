#pragma once
// A configuration: every setting a student can make in the main window,
// stored in a ".C15" file of 27 records. Record 1 is "ESTER"; the table of
// records 2 to 27 says what each holds and how it is read and written.
// Integers keep a sign position (" 2", "-1"); flags are "1" or "0".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

inline constexpr int enregistrementsConfiguration = 27;
inline constexpr char identificationConfiguration[] = "ESTER";

struct Configuration {
    std::array<std::string, 4> quantites = {"0,1", "0,1", "0", "0"};
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

// One record of a configuration file after the first.
struct EnregistrementConfiguration {
    int numero;
    const char* contenu; // what it holds, as the main window names it
    // Takes the record's text; false when the text does not convert.
    bool (*lire)(Configuration&, std::string_view texte);
    std::string (*ecrire)(const Configuration&);
    // A list index or scroll value: the range its control takes.
    int (*valeur)(const Configuration&) = nullptr;
    int minimum = 0, maximum = 0;
};

// Records 2 to 27, in order.
const std::vector<EnregistrementConfiguration>& tableConfiguration();

// " 2", "-1": the integer form of the records.
std::string texteEntierEnregistrement(std::int64_t valeur);

// The texts of records 1 to 27.
std::vector<std::string> textesConfiguration(const Configuration& c);

enum class ErreurConfiguration {
    aucune,
    fichierNonValide,  // record 1 is not exactly "ESTER"
    lectureImpossible, // a record cannot be read, or its value does not fit its control
};

struct LectureConfiguration {
    ErreurConfiguration erreur = ErreurConfiguration::aucune;
    Configuration configuration; // start-up values where nothing was read
    // Records 2..27 read and converted before the error (27 when all were):
    // a loader applies these and stops there.
    int dernierEnregistrementLu = 1;
};

// Reads the 27 records from the first bytes of a file (see texteEnregistrement
// for `suiteIllisible`); nothing past them is looked at.
LectureConfiguration decoderConfiguration(std::string_view fichier, bool suiteIllisible = false);

// French title and message of an error, as the loader shows them.
std::string titreErreurConfiguration(ErreurConfiguration e);
std::string messageErreurConfiguration(ErreurConfiguration e);

// The bytes of a configuration file; no result when a text is too long for its record.
std::optional<std::string> coderConfiguration(const Configuration& c);

} // namespace vedo
