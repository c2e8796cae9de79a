#pragma once
// The few values the whole application shares: owned by the application,
// handed to every window that needs them.

#include "engine/KeptRuns.h"
#include "platform/Prompter.h"

#include <QString>

#include <functional>

namespace vedo {

struct ApplicationState {
    explicit ApplicationState(Prompter& prompteur) : prompteur(prompteur) {}

    // Every message, question and dialog of the program goes through it.
    Prompter& prompteur;

    KeptRuns courbes;

    QString fichcourant; // full path of the last configuration saved or opened
    QString repexo;      // directory of the exercise files

    double memoire = 0.0; // the calculator's memory register

    bool correctionDisponible = false; // "Voir la correction" is offered
    bool texteModifie = false;         // the exercise text changed since opened or saved

    // The suite's hand-over file; empty for a program that must not announce
    // itself to the suite (the command-line tool, tests).
    QString fichierEchange;
    QString exerciceNonRetire; // the request already served from a hand-over file that cannot be emptied
    // Opens an exercise file another program of the suite asked for; false
    // when the student chose to keep the text he is writing instead.
    std::function<bool(const QString& fichier)> ouvrirExerciceTransmis;
};

} // namespace vedo
