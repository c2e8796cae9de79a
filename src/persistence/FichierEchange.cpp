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
    return ecrireEnregistrement(fichier, enregistrementEnMarche,
                                enMarche ? QStringLiteral("OUI") : QStringLiteral("NON"));
}

QString prendreExerciceTransmis(const QString& chemin) {
    QFile fichier(chemin);
    // Created when absent; a file that cannot be written is still read.
    if (!fichier.open(QIODevice::ReadWrite) && !fichier.open(QIODevice::ReadOnly)) return {};
    const QString texte = lireEnregistrement(fichier, enregistrementExercice).value_or(QString());
    // Emptied even when it was empty. A request that cannot be emptied is
    // served all the same, at this activation and the next ones.
    if (fichier.isWritable()) ecrireEnregistrement(fichier, enregistrementExercice, QString());
    return texte;
}

void annoncerEnMarche(ApplicationState& application, bool enMarche) {
    if (!application.fichierEchange.isEmpty()) annoncerEnMarche(application.fichierEchange, enMarche);
}

void recevoirExerciceTransmis(ApplicationState& application) {
    if (application.fichierEchange.isEmpty()) return;
    const QString exercice = prendreExerciceTransmis(application.fichierEchange);
    if (exercice.trimmed().isEmpty()) return;
    QString repertoire = QFileInfo(application.fichierEchange).absolutePath();
    if (!repertoire.endsWith('/')) repertoire += '/';
    application.repexo = QDir::toNativeSeparators(repertoire);
    // Offered even for an exercise without correction, but only once opened.
    if (application.ouvrirExerciceTransmis &&
        application.ouvrirExerciceTransmis(repertoire + QString(exercice).replace('\\', '/')))
        application.correctionDisponible = true;
}

} // namespace vedo
