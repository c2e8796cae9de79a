#include "presentation/MessagesExercice.h"

namespace vedo {

void signalerLectureImpossible(Questions& questions) {
    questions.message(Icone::critique, "Lecture impossible", "Vérifier:\n- le nom du fichier,\n- l'état du lecteur.");
}

void signalerFichierAbsent(Questions& questions, const std::string& repexo, const std::string& nom) {
    questions.message(Icone::critique, "Fichier absent", "Le fichier " + repexo + nom + " est introuvable");
}

bool abandonTexteAccepte(Questions& questions, bool texteModifie) {
    if (!texteModifie) return true;
    return questions.message(Icone::question, "Abandon des données?", "Attention: perte des modifications du texte.",
                             {Bouton::ok, Bouton::annuler}) == Bouton::ok;
}

} // namespace vedo
