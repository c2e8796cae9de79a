#include "exercises/FenetreExerciceQt.h"

#include "exercises/RtfFichier.h"
#include "exercises/TexteAccueil.h"
#include "platform/ApplicationState.h"

namespace vedo {

std::string FenetreExerciceQt::fichier() const {
    return zone_.fich->text().toStdString();
}

bool FenetreExerciceQt::correctionDisponible() const {
    return application_.correctionDisponible;
}

bool FenetreExerciceQt::texteModifie() const {
    return application_.texteModifie;
}

std::string FenetreExerciceQt::repertoireApplication() const {
    return avecSeparateur(zone_.repertoireApplication).toStdString();
}

void FenetreExerciceQt::changerRepexo(const std::string& repertoire) {
    application_.repexo = QString::fromStdString(repertoire);
}

bool FenetreExerciceQt::chargerTexte(const std::string& nom) {
    return chargerTexteExercice(zone_, cheminDansRepexo(application_, QString::fromStdString(nom)));
}

bool FenetreExerciceQt::chargerTexteChoisi(const std::string& chemin) {
    return chargerTexteExercice(zone_, QString::fromStdString(chemin));
}

void FenetreExerciceQt::texteAccueil() {
    textaccueil(*zone_.supertext);
}

bool FenetreExerciceQt::enregistrerTexte(const std::string& chemin) {
    return enregistrerRtf(QString::fromStdString(chemin), *zone_.supertext->document());
}

void FenetreExerciceQt::nommerFichier(const std::string& texte) {
    zone_.fich->setText(QString::fromStdString(texte));
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
