#pragma once
// The record files of the disk, for the core's exercise window.

#include "platform/FichiersNommes.h"

namespace vedo {

class FichiersNommesQt : public FichiersNommes {
public:
    std::optional<DebutFichier> lireDebut(const std::string& nom, int nombre) override;
    // Native separators.
    std::string dossier(const std::string& nom) const override;
    void changerDossierCourant(const std::string& dossier) override;
};

} // namespace vedo
