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
    if (!fichier.exists() || !fichier.open(QIODevice::ReadWrite)) return {};
    const auto texte = lireEnregistrement(fichier, enregistrementExercice);
    if (!texte || texte->isEmpty()) return {};
    // A request that cannot be emptied would be served at every activation.
    if (!ecrireEnregistrement(fichier, enregistrementExercice, QString())) return {};
    return *texte;
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
