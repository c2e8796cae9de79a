#pragma once
// What an exercise fills in the main window: the text area `supertext`, the
// box `fich` naming the open file, and the configuration loader. The exercise
// window and the exercise menu act on the main window only through it.

#include <QLineEdit>
#include <QString>
#include <QTextEdit>

#include <functional>

namespace vedo {

struct ApplicationState;

struct ZoneExercice {
    QWidget* fenetre = nullptr; // the parent of the messages
    QTextEdit* supertext = nullptr;
    QLineEdit* fich = nullptr;
    // Where "ESTER.PEM" is: the program's directory.
    QString repertoireApplication;
    // Applies the configuration file `fichcourant` names, with its messages.
    std::function<void()> chargeconfig;
};

// `repertoire` ending with the directory separator.
QString avecSeparateur(const QString& repertoire);

// `repexo` + a name read from an exercise file, whose directories may be
// separated by backslashes.
QString cheminDansRepexo(const ApplicationState& application, const QString& nom);

// Loads an RTF file into `supertext`, with an empty undo history; false, the
// text unchanged, when it cannot be read.
bool chargerTexteExercice(ZoneExercice& zone, const QString& chemin);

// When `nom` is not blank: `fichcourant` = `repexo` + `nom`, then the loader.
void chargerConfigurationExercice(ApplicationState& application, ZoneExercice& zone, const QString& nom);

// The messages of presentation/MessagesExercice.h, as questions of window `parent`.
void signalerLectureImpossible(ApplicationState& application, QWidget* parent);
void signalerFichierAbsent(ApplicationState& application, QWidget* parent, const QString& nom);

} // namespace vedo
