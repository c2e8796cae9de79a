#pragma once
// The exercise window `Fichexo`: the chooser (drive, directory and ".E39"
// file lists), the preview of the selected exercise (title, notions, stars of
// difficulty, hourglasses of working time, corrected or not) and the button
// that opens it into the main window.

#include "exercises/Banniere.h"
#include "exercises/BoiteSabliers.h"
#include "exercises/ZoneExercice.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

#include <array>

namespace vedo {

struct ApplicationState;
class ListeFichiers;
class ListeLecteurs;
class ListeRepertoires;

inline const QString legendeCorrige = QStringLiteral("Exercice corrigé");
inline const QString legendeNonCorrige = QStringLiteral("Non corrigé");

class Fichexo : public QDialog {
    Q_OBJECT
public:
    // Starts on the program's directory, the preview empty.
    Fichexo(ApplicationState& application, ZoneExercice& zone, QWidget* parent = nullptr);

    Banniere* tito;
    QLabel* etiquetteListe; // "Liste des exercices:"
    ListeLecteurs* Drive1;
    ListeRepertoires* Dir1;
    ListeFichiers* File1;
    QLineEdit* fichierexo;

    QLabel* titratexo;
    QLabel* selectionner; // "Sélectionner un fichier"
    QLabel* etiquetteNotions;
    QTextEdit* notions;
    QLabel* etiquetteDifficulte;
    std::array<QLabel*, 3> etoiles;
    BoiteSabliers* sabliers;
    QLabel* Corrige;
    QLabel* ombreCorrige; // the same caption, 2 pixels right and below

    QToolButton* ouvreur;
    QToolButton* Image5;
    QFrame* attente; // "Patienter quelques instants", " Chargement des fichiers"

    // The window's activation: the first exercise of the list is selected.
    // It runs by itself once the window is first shown, so that a message
    // about that file comes over the window.
    void activation();
    // The steps of a click on a file of the list.
    void File1_Click(const QString& nom);
    // Previews the exercise `fichierexo` names.
    void apercu();
    // Opens it: statement, configuration, flags; then closes the window.
    void ouvreur_Click();

    // Lit stars, as the preview shows them (for the tests and the picture).
    int etoilesAllumees() const { return etoilesAllumees_; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void construireChoix();
    void construireApercu();
    void relier();
    // Hides the wait notice and closes the window. A text that failed to
    // load leaves the text-modified flag as it was: nothing was replaced.
    void terminer();

    ApplicationState& application_;
    ZoneExercice& zone_;
    int etoilesAllumees_ = 0;
    bool active_ = false;
};

} // namespace vedo
