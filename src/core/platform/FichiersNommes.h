#pragma once
// Record files read by their names, where the shell has a disk: the exercise
// chooser reads the file it lists or is given, and the names inside it are
// relative to that file's folder. A relative name is taken in the current
// folder.

#include <optional>
#include <string>

namespace vedo {

// The first records of a file, as the readers of the core take them:
// `suiteIllisible` tells that the file could not be read that far.
struct DebutFichier {
    std::string octets;
    bool suiteIllisible = false;
};

class FichiersNommes {
public:
    virtual ~FichiersNommes() = default;

    // The first `nombre` records of file `nom`, fewer when it is shorter:
    // whatever its size, no byte past them is read. None when it cannot be opened.
    virtual std::optional<DebutFichier> lireDebut(const std::string& nom, int nombre) = 0;
    // The folder holding file `nom`, absolute, ending with the separator.
    virtual std::string dossier(const std::string& nom) const = 0;
    // Relative names are taken in `dossier` from now on.
    virtual void changerDossierCourant(const std::string& dossier) = 0;
};

} // namespace vedo
