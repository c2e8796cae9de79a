#pragma once
// The directory list: the directories leading from the drive's root to the
// current directory, opened one under the other, then the subdirectories of
// the current one. A click highlights an entry; a double click or Enter
// opens it.

#include <QListWidget>

namespace vedo {

class ListeRepertoires : public QListWidget {
    Q_OBJECT
public:
    explicit ListeRepertoires(QWidget* parent = nullptr);

    // The current directory, with '/' separators.
    QString chemin() const { return chemin_; }
    // Opens `repertoire`; false, the list unchanged, when it cannot be read.
    bool setChemin(const QString& repertoire);
    // The directory of the highlighted entry.
    QString cheminSurligne() const;
    // Opens the highlighted entry.
    void ouvrirSurligne();

signals:
    void cheminChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void remplir();

    QString chemin_;
};

} // namespace vedo
