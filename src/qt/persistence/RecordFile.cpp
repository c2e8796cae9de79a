#include "persistence/RecordFile.h"

#include "persistence/FichierEntier.h"

#include <QFile>
#include <QIODevice>

namespace vedo {

std::optional<QString> lireEnregistrement(QIODevice& fichier, int numero) {
    if (numero < 1) return std::nullopt;
    if (positionEnregistrement(numero) >= fichier.size()) return QString();
    if (!fichier.seek(positionEnregistrement(numero))) return std::nullopt;
    const auto texte = decoderEnregistrement(fichier.read(tailleEnregistrement).toStdString());
    if (!texte) return std::nullopt;
    return QString::fromStdString(*texte);
}

std::optional<QByteArray> octetsEnregistrement(const QString& texte) {
    const auto octets = coderEnregistrement(texte.toStdString());
    if (!octets) return std::nullopt;
    return QByteArray::fromStdString(*octets);
}

bool ecrireEnregistrement(QIODevice& fichier, int numero, const QString& texte) {
    if (numero < 1) return false;
    const auto octets = octetsEnregistrement(texte);
    if (!octets) return false;
    const qint64 position = positionEnregistrement(numero);
    // Past the end, the gap is written as zeros rather than left to the file system.
    const qint64 fin = fichier.size();
    if (position > fin) {
        if (!fichier.seek(fin)) return false;
        const QByteArray zeros(position - fin, '\0');
        if (fichier.write(zeros) != zeros.size()) return false;
    }
    if (!fichier.seek(position)) return false;
    return fichier.write(*octets) == tailleEnregistrement;
}

bool ecrireFichierEnregistrements(const QString& chemin, const QStringList& textes) {
    std::vector<std::string> t;
    for (const QString& texte : textes)
        t.push_back(texte.toStdString());
    const auto contenu = coderEnregistrements(t);
    return contenu && ecrireFichierEntier(chemin, QByteArray::fromStdString(*contenu));
}

std::optional<DebutFichier> lireDebutFichier(const QString& chemin, int nombre) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 voulu = std::min<qint64>(fichier.size(), qint64(nombre) * tailleEnregistrement);
    const QByteArray lu = fichier.read(voulu);
    return DebutFichier{lu.toStdString(), lu.size() < voulu};
}

} // namespace vedo
