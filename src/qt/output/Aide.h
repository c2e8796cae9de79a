#pragma once
// The help: "QORV.hlp" of the application directory, an HTML user guide,
// shown at its contents in a small window over the simulator, closed by
// "&Fermer" or Escape.

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class QTextBrowser;

namespace vedo {

class Prompter;

inline constexpr char nomFichierAide[] = "QORV.hlp";

// The help file of a directory; a trailing separator is not doubled.
QString cheminAide(const QString& repertoireApplication);

class FenetreAide : public QWidget {
    Q_OBJECT
public:
    explicit FenetreAide(QWidget* parent = nullptr);

    // Loads the help file and shows its contents page; false when the file
    // cannot be read.
    bool ouvrirSommaire(const QString& fichier);

    // Centres the window on the main window, inside the main window's screen.
    void placerSurFenetre();

    QTextBrowser* navigateur() const { return navigateur_; }

private:
    QTextBrowser* navigateur_;
};

// "&Aide" (`Command7`): shows the help of `repertoireApplication` at its
// contents, or says that it is missing. The graph's image is kept aside
// (`sauvetage`) while the help opens, then handed back to `remettreGraphe`,
// so that the graph is intact even where the help window covered it.
void ouvrirAide(FenetreAide& fenetre, Prompter& prompter, const QString& repertoireApplication,
                const QImage& graphe, const std::function<void(const QImage&)>& remettreGraphe);

} // namespace vedo
