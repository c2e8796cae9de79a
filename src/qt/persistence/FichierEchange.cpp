#include "persistence/FichierEchange.h"

#include "persistence/RecordFile.h"
#include "platform/ApplicationState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vedo {

QString cheminFichierEchange(const QString& repertoire) {
    return QDir(repertoire).filePath(nomFichierEchange);
}

bool annoncerEnMarche(const QString& chemin, bool enMarche) {
    QFile fichier(chemin);
    // ReadWrite creates the file when absent and never truncates it.
    if (!fichier.open(QIODevice::ReadWrite)) return false;
    return ecrireEnregistrement(fichier, enregistrementEnMarche, texteEnMarche(enMarche));
}

QString prendreExerciceTransmis(const QString& chemin, bool* retire) {
    if (retire) *retire = false;
    QFile fichier(chemin);
    // Created when absent; a file that cannot be written is still read.
    if (!fichier.open(QIODevice::ReadWrite) && !fichier.open(QIODevice::ReadOnly)) return {};
    const QString texte = lireEnregistrement(fichier, enregistrementExercice).value_or(QString());
    // Emptied even when it was empty; a request that cannot be emptied is
    // served all the same.
    const bool vide = fichier.isWritable() && ecrireEnregistrement(fichier, enregistrementExercice, QString());
    if (retire) *retire = vide;
    return texte;
}

void annoncerEnMarche(ApplicationState& application, bool enMarche) {
    if (!application.fichierEchange.isEmpty()) annoncerEnMarche(application.fichierEchange, enMarche);
}

void recevoirExerciceTransmis(ApplicationState& application) {
    if (application.fichierEchange.isEmpty()) return;
    bool retire = false;
    const QString exercice = prendreExerciceTransmis(application.fichierEchange, &retire);
    if (exercice.trimmed().isEmpty()) return;
    // A request left in a file that cannot be emptied opens once: opened
    // again at every return to the window, it would undo the student's work.
    if (!retire) {
        if (exercice == application.exerciceNonRetire) return;
        application.exerciceNonRetire = exercice;
    }
    QString repertoire = QFileInfo(application.fichierEchange).absolutePath();
    if (!repertoire.endsWith('/')) repertoire += '/';
    application.repexo = QDir::toNativeSeparators(repertoire);
    // Offered even for an exercise without correction, but only once opened.
    if (application.ouvrirExerciceTransmis &&
        application.ouvrirExerciceTransmis(repertoire + QString(exercice).replace('\\', '/')))
        application.correctionDisponible = true;
}

} // namespace vedo
