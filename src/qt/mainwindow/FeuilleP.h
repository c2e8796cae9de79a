#pragma once
// The main window `feuilleP`: the button row, the graph and the table over
// it, the apparatus picture, the hint line, the exercise area and the tab
// strip with its four panels and the history. Its settings and run state
// are its model's; each control writes its changes into the model.

#include "engine/RunLoop.h"
#include "mainwindow/BandeOnglets.h"
#include "mainwindow/LiaisonReglages.h"
#include "mainwindow/PanneauAffichage.h"
#include "mainwindow/PanneauConditions.h"
#include "mainwindow/PanneauReaction.h"
#include "mainwindow/PanneauSuivi.h"
#include "output/Exportation.h"
#include "platform/ApplicationState.h"
#include "platform/MinuterieQt.h"
#include "platform/PressePapiersQt.h"
#include "platform/PictureBox.h"
#include "platform/QuestionsFenetre.h"
#include "presentation/ModeleFeuilleP.h"
#include "presentation/VueFeuilleP.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

#include <array>
#include <cstdint>
#include <memory>
#include <random>

namespace vedo {

class FeuilleP : public QWidget, private VueFeuilleP {
    Q_OBJECT
public:
    // Builds the window and runs its load: size, hints, lists, duration,
    // apparatus, then "Retour état initial".
    explicit FeuilleP(ApplicationState& etat, QWidget* parent = nullptr);
    ~FeuilleP() override;

    ApplicationState& application;

    // The window's settings and run state.
    ModeleFeuilleP& modele() { return modele_; }
    const ModeleFeuilleP& modele() const { return modele_; }

    // Event handlers that other pieces call as the user's action would.
    void Check3_Click();
    void Command8_Click();  // the calculator, modal
    void Command4_Click();  // copies, through the pop-up menu `menucop`
    void Command10_Click(); // the print dialog
    void Command7_Click();  // the help
    // The printer the program prints on, kept between printings.
    class ChoixImprimante& choixImprimante();
    void Combo1_Click();
    // Graph tools: the readout under the mouse (picture units), the menu of
    // the kept runs, their tangents, the enlarged graph.
    void Picture2_MouseMove(float x, float y);
    // Runs each time the window becomes the active window of the program.
    void activation();
    // Lays the grid and its header labels out in `Frame3`.
    void disposerTableau();
    // Clicks the middle of tab `onglet`'s title (1 to 5), as the user would.
    void choisirOnglet(int onglet);
    int nombreActivations() const { return nombreActivations_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab and Shift+Tab skip the controls that another one hides.
    bool focusNextPrevChild(bool suivant) override;

private:
    // Button row.
    QPushButton* Command2;  // "&Ouvrir"
    QPushButton* Command11; // "&Enregistrer"
    QPushButton* Command4;  // "Co&pier"
    QPushButton* Command10; // "&Imprimer"
    QPushButton* Command8;  // "&Calculatrice"
    QPushButton* Command7;  // "&Aide"
    QPushButton* Command1;  // "&Fermer"

    // Run buttons.
    QPushButton* Command5; // "Début de la réaction"
    QPushButton* Command3; // "État final"
    QPushButton* Command9; // "Retour état initial"
    QTimer* Timer1; // the model's timer

    // The graph and what sits on it.
    PictureBox* Picture2;
    QToolButton* Command12; // "Agrandir"
    QPushButton* Command6;  // "Effacer"
    QLabel* Label5;         // "Cliquer pour obtenir la tangente"

    // The table of values, shown over the graph.
    QFrame* Frame3;
    std::array<QLabel*, 7> Label1; // headers: 0 time, 1..4 species, 5 Qr, 6 "Quantités de matière (mol)"
    QTableWidget* MSFlexGrid1;

    PictureBox* animpic;
    QLabel* info;
    QToolButton* btexo;
    QLineEdit* fich; // the open exercise or text
    class MenuExercice* menuExercice;
    QTextEdit* supertext;

    BandeOnglets* Onglets;
    PanneauReaction* Picture4;
    PanneauConditions* Picture3;
    PanneauAffichage* frame2;
    PanneauSuivi* Picture1;
    QTextEdit* rtf1;

    // Copy confirmation shown in `info` after a copy.
    QString messageCopie;

    void construireBoutons();
    void construireGraphe();
    void construireTableau();
    void construireExercice();
    void construireOnglets();
    void relier();
    void installerIndices();
    void installerOutilsGraphe();
    // Tab order, keys of the tab strip, focus frames, names for assistive technologies.
    void installerClavier();
    void chargement();
    void suivreActivation();
    void appliquerTaille();

    // What the model shows through the window's controls.
    Toile& graphe() override { return Picture2->toile(); }
    int largeurGraphe() override { return Picture2->imageADessiner().width(); }
    int hauteurGraphe() override { return Picture2->imageADessiner().height(); }
    void grapheDessine() override { Picture2->update(); }
    void placerOutilsGraphe() override;
    void dessinerAppareil(const std::function<void(Surface&, int, int)>& dessin) override;
    void decrireAppareil(const std::string& description) override;
    void tailleGrapheChangee() override;
    // Copies the model's rows into the grid's cells.
    void afficherTableau() override;
    void afficherLigneTableau(int ligne) override;
    // The "Historique" tab.
    void afficherHistorique(const std::vector<MorceauHistorique>& morceaux) override;
    // Tells assistive technologies what the graph shows now.
    void decrireGraphe(const std::string& description) override;
    void etatsChanges() override;
    void especesNommees() override;

    // The window is painted again after each setting the model changes, as it
    // always was after a colour chosen.
    void reglageChange(int numero) override {
        liaison_.charger(numero, modele_.reglages);
        update();
    }
    void reglagesAppliques(int dernierEnregistrement) override;
    // Its pictures and table, for a copy, a save or a printing.
    struct Vues vues() const;
    CopiesPossibles copiesPossibles() override;
    void copier(ChoixCopie choix) override;
    void afficherInfo(const std::string& texte) override { info->setText(QString::fromStdString(texte)); }

    MinuterieQt minuterie_{this, "Timer1"};
    QuestionsFenetre questions_{application.prompteur, this};
    PressePapiersQt pressePapiers_;
    ModeleFeuilleP modele_{application.courbes, *this, minuterie_, questions_, pressePapiers_};
    LiaisonReglages liaison_{modele_.reglages};
    std::unique_ptr<class ChoixImprimante> choixImprimante_; // kept between printings
    Exportation exportation_;                                // the folder of the last file saved
    class FenetreAide* aide_ = nullptr;
    int nombreActivations_ = 0;
    bool montree_ = false;
    bool ajustementTaille_ = false;
    // During the load, until "Retour état initial" prepares the table last.
    bool grilleEnAttente_ = false;
    QMargins bords_; // the window manager's frame around the window in its normal state
};

} // namespace vedo
