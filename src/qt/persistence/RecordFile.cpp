#include "persistence/RecordFile.h"

#include "common/Windows1252.h"
#include "persistence/FichierEntier.h"

#include <QIODevice>
#include <QStringList>

namespace vedo {

namespace {
qint64 position(int numero) {
    return static_cast<qint64>(numero - 1) * tailleEnregistrement;
}
} // namespace

std::optional<QString> lireEnregistrement(QIODevice& fichier, int numero) {
    if (numero < 1) return std::nullopt;
    if (position(numero) >= fichier.size()) return QString();
    if (!fichier.seek(position(numero))) return std::nullopt;
    const QByteArray enTete = fichier.read(2);
    if (enTete.size() != 2) return std::nullopt;
    const int longueur = static_cast<unsigned char>(enTete[0]) | (static_cast<unsigned char>(enTete[1]) << 8);
    if (longueur > longueurTexteMax) return std::nullopt;
    const QByteArray texte = fichier.read(longueur);
    if (texte.size() != longueur) return std::nullopt;
    return QString::fromStdString(cp1252VersUtf8(texte.toStdString()));
}

std::optional<QByteArray> octetsEnregistrement(const QString& texte) {
    const std::string octets = utf8VersCp1252(texte.toStdString());
    if (octets.size() > static_cast<std::size_t>(longueurTexteMax)) return std::nullopt;
    QByteArray enregistrement(tailleEnregistrement, '\0');
    enregistrement[0] = static_cast<char>(octets.size() & 0xFF);
    enregistrement[1] = static_cast<char>(octets.size() >> 8);
    std::copy(octets.begin(), octets.end(), enregistrement.begin() + 2);
    return enregistrement;
}

bool ecrireEnregistrement(QIODevice& fichier, int numero, const QString& texte) {
    if (numero < 1) return false;
    const auto octets = octetsEnregistrement(texte);
    if (!octets) return false;
    // Past the end, the gap is written as zeros rather than left to the file system.
    const qint64 fin = fichier.size();
    if (position(numero) > fin) {
        if (!fichier.seek(fin)) return false;
        const QByteArray zeros(position(numero) - fin, '\0');
        if (fichier.write(zeros) != zeros.size()) return false;
    }
    if (!fichier.seek(position(numero))) return false;
    return fichier.write(*octets) == tailleEnregistrement;
}

bool ecrireFichierEnregistrements(const QString& chemin, const QStringList& textes) {
    QByteArray contenu;
    for (const QString& texte : textes) {
        const auto octets = octetsEnregistrement(texte);
        if (!octets) return false;
        contenu += *octets;
    }
    return ecrireFichierEntier(chemin, contenu);
}

} // namespace vedo
