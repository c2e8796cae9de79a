#include "persistence/ListeLecteurs.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace vedo {

namespace {
// "c: [SYSTEME]" for a drive letter, the root itself elsewhere.
QString legendeLecteur(const QString& racine) {
    if (racine.size() != 3 || racine[1] != ':') return QDir::toNativeSeparators(racine);
    const QString nom = QStorageInfo(racine).name();
    return racine.left(2).toLower() + (nom.isEmpty() ? QString() : " [" + nom + "]");
}
} // namespace

ListeLecteurs::ListeLecteurs(QWidget* parent) : QComboBox(parent) {
    QStringList racines;
    for (const QFileInfo& lecteur : QDir::drives())
        racines << lecteur.absoluteFilePath();
    setRacines(racines);
}

void ListeLecteurs::setRacines(const QStringList& racines) {
    const QSignalBlocker bloque(this);
    clear();
    for (const QString& racine : racines)
        addItem(legendeLecteur(racine), racine);
}

QString ListeLecteurs::lecteur() const {
    return currentData().toString();
}

void ListeLecteurs::setLecteurDe(const QString& chemin) {
    const QString propre = QDir::cleanPath(QDir::fromNativeSeparators(chemin)) + '/';
    int meilleur = -1;
    for (int i = 0; i < count(); ++i) {
        const QString racine = itemData(i).toString();
        if (propre.startsWith(racine, Qt::CaseInsensitive) &&
            (meilleur < 0 || racine.size() > itemData(meilleur).toString().size()))
            meilleur = i;
    }
    const QSignalBlocker bloque(this);
    setCurrentIndex(meilleur);
}

} // namespace vedo
