#pragma once
// The disk, for the core's exercise window and menu.

#include "platform/FichiersNommes.h"

namespace vedo {

class FichiersNommesQt : public FichiersNommes {
public:
    std::optional<DebutFichier> lireDebut(const std::string& nom, int nombre) override;
    // Native separators.
    std::string dossier(const std::string& nom) const override;
    void changerDossierCourant(const std::string& dossier) override;
    std::string dossierCourant() const override;
    bool existe(const std::string& nom) const override;
    bool estDossier(const std::string& nom) const override;
    std::string nomSurDisque(const std::string& nom) const override;
    std::string natif(const std::string& nom) const override;
};

} // namespace vedo
