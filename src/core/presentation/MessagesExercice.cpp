#include "presentation/MessagesExercice.h"

namespace vedo {

void signalerLectureImpossible(Questions& questions) {
    questions.message(Icone::critique, "Lecture impossible", "Vérifier:\n- le nom du fichier,\n- l'état du lecteur.");
}

void signalerFichierAbsent(Questions& questions, const std::string& repexo, const std::string& nom) {
    questions.message(Icone::critique, "Fichier absent", "Le fichier " + repexo + nom + " est introuvable");
}

} // namespace vedo
