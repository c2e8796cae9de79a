#pragma once
// The file list: the files of a directory matching a pattern, whatever the
// letter case of their names.

#include <QListWidget>

namespace vedo {

class ListeFichiers : public QListWidget {
    Q_OBJECT
public:
    explicit ListeFichiers(const QString& motif, QWidget* parent = nullptr);

    // The directory listed, with '/' separators.
    QString chemin() const { return chemin_; }
    // Lists `repertoire` again; signals a change of directory.
    void setChemin(const QString& repertoire);
    // The full path of a file of the list, native separators.
    QString cheminFichier(const QString& nom) const;

signals:
    void cheminChange();
    void fichierClique(const QString& nom);
    void fichierDoubleClique(const QString& nom);

private:
    QString motif_;
    QString chemin_;
};

} // namespace vedo
