#pragma once
// The exercise window `Fichexo`, the shell of ModeleFichexo: the chooser
// (drive, directory and ".E39" file lists), the widgets of the model's
// preview with their pictures, and the button that opens the exercise into
// the main window.

#include "exercises/Banniere.h"
#include "exercises/BoiteSabliers.h"
#include "exercises/FenetreExerciceQt.h"
#include "exercises/FichiersNommesQt.h"
#include "exercises/ZoneExercice.h"
#include "platform/QuestionsFenetre.h"
#include "presentation/ModeleFichexo.h"

#include <QDialog>
#include <QFrame>
#include <QHash>
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

    ModeleFichexo& modele() { return modele_; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void construireChoix(const QString& repertoireApplication);
    void construireApercu();
    void relier();
    // A label of the model's, with its caption.
    QLabel* etiquetteModele(QWidget* parent, const char* nom, const QRect& rectangle);
    void actualiser(const EtatControle& etat, bool immediat);
    // The list's folder, ending with the separator.
    std::string dossierListe() const;

    FenetreExerciceQt fenetre_;
    FichiersNommesQt fichiers_;
    QuestionsFenetre questions_;
    ModeleFichexo modele_;
    QHash<QString, QWidget*> widgets_;
    bool active_ = false;
};

} // namespace vedo
