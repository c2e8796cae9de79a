#include "exercises/RtfFichier.h"

#include "exercises/RtfEcrivain.h"
#include "exercises/RtfLecteur.h"
#include "persistence/FichierEntier.h"

#include <QFile>

namespace vedo {

namespace {

// Far above any text a student writes; keeps a wrong file from filling the memory.
constexpr qint64 tailleMax = 64 * 1024 * 1024;

void signaler(QString* erreur, const QString& message) {
    if (erreur) *erreur = message;
}

} // namespace

bool chargerRtf(const QString& chemin, QTextDocument& document, QString* erreur) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        signaler(erreur, QStringLiteral("Impossible de lire le fichier %1.").arg(chemin));
        return false;
    }
    if (fichier.size() > tailleMax) {
        signaler(erreur, QStringLiteral("Le fichier %1 est trop volumineux pour un texte.").arg(chemin));
        return false;
    }
    return lireRtf(fichier.readAll(), document, erreur);
}

bool enregistrerRtf(const QString& chemin, const QTextDocument& document, QString* erreur) {
    if (!ecrireFichierEntier(chemin, ecrireRtf(document))) {
        signaler(erreur, QStringLiteral("Impossible d'écrire le fichier %1.").arg(chemin));
        return false;
    }
    signaler(erreur, QString());
    return true;
}

} // namespace vedo
