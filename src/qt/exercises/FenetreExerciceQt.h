#pragma once
// The main window as an exercise fills it: the application's state and the
// exercise zone of the window.

#include "exercises/ZoneExercice.h"
#include "presentation/FenetreExercice.h"

namespace vedo {

class FenetreExerciceQt : public FenetreExercice {
public:
    FenetreExerciceQt(ApplicationState& application, ZoneExercice& zone) : application_(application), zone_(zone) {}

    std::string fichier() const override;
    bool correctionDisponible() const override;
    bool texteModifie() const override;
    std::string repertoireApplication() const override;
    void changerRepexo(const std::string& repertoire) override;
    bool chargerTexte(const std::string& nom) override;
    bool chargerTexteChoisi(const std::string& chemin) override;
    void texteAccueil() override;
    bool enregistrerTexte(const std::string& chemin) override;
    void nommerFichier(const std::string& texte) override;
    void offrirCorrection(bool oui) override;
    void chargerConfiguration(const std::string& nom) override;
    void texteNonModifie() override;

private:
    ApplicationState& application_;
    ZoneExercice& zone_;
};

} // namespace vedo
