#pragma once
// Files by their names, where the shell has a disk: the exercise chooser
// reads the record file it lists or is given, whose names are relative to
// its folder, and the exercise menu looks where it saves. A relative name is
// taken in the current folder.

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
    // Where the file choosers start.
    virtual std::string dossierCourant() const = 0;
    // A file or a folder.
    virtual bool existe(const std::string& nom) const = 0;
    virtual bool estDossier(const std::string& nom) const = 0;
    // The file, else the folder, of `nom`'s folder whose name differs from
    // it only by letter case, as a system that ignores case would take it;
    // `nom` when there is neither.
    virtual std::string nomSurDisque(const std::string& nom) const = 0;
    // `nom` with the system's separators, as the program shows names.
    virtual std::string natif(const std::string& nom) const = 0;
};

} // namespace vedo
