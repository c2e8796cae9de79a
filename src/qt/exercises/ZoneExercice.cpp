#include "exercises/ZoneExercice.h"

#include "exercises/RtfFichier.h"
#include "platform/ApplicationState.h"
#include "platform/QuestionsFenetre.h"
#include "presentation/MessagesExercice.h"

#include <QDir>
#include <QTextDocument>

namespace vedo {

QString avecSeparateur(const QString& repertoire) {
    const QString natif = QDir::toNativeSeparators(repertoire);
    return natif.endsWith(QDir::separator()) ? natif : natif + QDir::separator();
}

QString cheminDansRepexo(const ApplicationState& application, const QString& nom) {
    return QDir::toNativeSeparators(application.repexo + QString(nom).replace('\\', '/'));
}

bool chargerTexteExercice(ZoneExercice& zone, const QString& chemin) {
    QTextDocument& texte = *zone.supertext->document();
    if (!chargerRtf(chemin, texte)) return false;
    // Undoing must not bring back the text of another file than `fich` names.
    texte.clearUndoRedoStacks();
    return true;
}

void chargerConfigurationExercice(ApplicationState& application, ZoneExercice& zone, const QString& nom) {
    if (nom.trimmed().isEmpty()) return;
    application.fichcourant = cheminDansRepexo(application, nom);
    if (zone.chargeconfig) zone.chargeconfig();
}

void signalerLectureImpossible(ApplicationState& application, QWidget* parent) {
    QuestionsFenetre questions(application.prompteur, parent);
    signalerLectureImpossible(questions);
}

void signalerFichierAbsent(ApplicationState& application, QWidget* parent, const QString& nom) {
    QuestionsFenetre questions(application.prompteur, parent);
    signalerFichierAbsent(questions, application.repexo.toStdString(), nom.toStdString());
}

} // namespace vedo
