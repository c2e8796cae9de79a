#pragma once
// The messages of the commands that open an exercise's files, and the
// question before the text the student changed is replaced or lost.

#include "platform/Questions.h"

#include <string>

namespace vedo {

// "Vérifier: - le nom du fichier, - l'état du lecteur.", "Lecture impossible":
// an exercise file that cannot be read.
void signalerLectureImpossible(Questions& questions);

// "Le fichier ... est introuvable", "Fichier absent": a statement or a
// correction text, `nom` in folder `repexo`, that cannot be loaded.
void signalerFichierAbsent(Questions& questions, const std::string& repexo, const std::string& nom);

// "Abandon des données?": true when nothing was changed or the student
// accepts to lose it.
bool abandonTexteAccepte(Questions& questions, bool texteModifie);

} // namespace vedo
