#include "persistence/NomConfiguration.h"

#include <QDir>

namespace vedo {

namespace {
qsizetype dernierSeparateur(const QString& nom) {
    return std::max(nom.lastIndexOf('\\'), nom.lastIndexOf('/'));
}
} // namespace

QString nettoyerNom(const QString& texte) {
    const QString nom = texte.trimmed();
    const qsizetype point = nom.indexOf('.', dernierSeparateur(nom) + 1);
    return point < 0 ? nom : nom.left(point).trimmed();
}

QString partieFichier(const QString& nom) {
    return nom.mid(dernierSeparateur(nom) + 1);
}

QString cheminEnregistrement(const QString& nom, const QString& repertoire) {
    const QString chemin = QDir(repertoire).filePath(QString(nom).replace('\\', '/'));
    return QDir::toNativeSeparators(QDir::cleanPath(chemin) + extensionConfiguration);
}

} // namespace vedo
