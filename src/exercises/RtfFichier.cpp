#include "exercises/RtfFichier.h"

#include "exercises/RtfEcrivain.h"
#include "exercises/RtfLecteur.h"

#include <QFile>
#include <QSaveFile>

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
    QSaveFile fichier(chemin);
    const QByteArray rtf = ecrireRtf(document);
    // The flush shows a full disk, which commit() would not: the empty
    // temporary file would replace the good one.
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(rtf) != rtf.size() || !fichier.flush() ||
        !fichier.commit()) {
        signaler(erreur, QStringLiteral("Impossible d'écrire le fichier %1.").arg(chemin));
        return false;
    }
    signaler(erreur, QString());
    return true;
}

} // namespace vedo
