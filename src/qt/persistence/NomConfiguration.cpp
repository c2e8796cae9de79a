#include "persistence/NomConfiguration.h"

#include <QDir>
#include <QFileInfo>

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

QString fichierRemplace(const QString& chemin) {
    const QFileInfo cible(QDir::fromNativeSeparators(chemin));
    if (cible.exists()) return chemin;
    const auto entrees =
        cible.dir().entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& nom : entrees)
        if (nom.compare(cible.fileName(), Qt::CaseInsensitive) == 0)
            return QDir::toNativeSeparators(cible.dir().filePath(nom));
    return chemin;
}

} // namespace vedo
