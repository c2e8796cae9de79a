#include "persistence/ListeFichiers.h"

#include <QDir>

namespace vedo {

ListeFichiers::ListeFichiers(const QString& motif, QWidget* parent) : QListWidget(parent), motif_(motif) {
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* element) { emit fichierClique(element->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* element) { emit fichierDoubleClique(element->text()); });
}

void ListeFichiers::setChemin(const QString& repertoire) {
    const QString nouveau = QDir::cleanPath(QDir::fromNativeSeparators(repertoire));
    const bool change = nouveau != chemin_;
    chemin_ = nouveau;
    clear();
    // Without QDir::CaseSensitive the pattern ignores letter case.
    addItems(QDir(chemin_).entryList({motif_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    if (change) emit cheminChange();
}

QString ListeFichiers::cheminFichier(const QString& nom) const {
    return QDir::toNativeSeparators(QDir(chemin_).filePath(nom));
}

} // namespace vedo
