#include "exercises/FenetreExerciceQt.h"

#include "platform/ApplicationState.h"

namespace vedo {

void FenetreExerciceQt::changerRepexo(const std::string& repertoire) {
    application_.repexo = QString::fromStdString(repertoire);
}

bool FenetreExerciceQt::chargerTexte(const std::string& nom) {
    return chargerTexteExercice(zone_, cheminDansRepexo(application_, QString::fromStdString(nom)));
}

void FenetreExerciceQt::nommerFichier(const std::string& chemin) {
    zone_.fich->setText(QString::fromStdString(chemin));
}

void FenetreExerciceQt::offrirCorrection(bool oui) {
    application_.correctionDisponible = oui;
}

void FenetreExerciceQt::chargerConfiguration(const std::string& nom) {
    chargerConfigurationExercice(application_, zone_, QString::fromStdString(nom));
}

void FenetreExerciceQt::texteNonModifie() {
    application_.texteModifie = false;
}

} // namespace vedo
