#pragma once
// The main window's state as plain data: the settings its panels show, kept
// as the configuration they make, and the run in progress; and the handlers
// of its runs and of its graph. The shell writes each control's change into
// it before any handler of the change runs; the rules read the settings from
// here, never from a control, and draw through the shell's `VueFeuilleP`.

#include "engine/KeptRuns.h"
#include "engine/RunLoop.h"
#include "platform/Minuterie.h"
#include "platform/PressePapiers.h"
#include "platform/Questions.h"
#include "presentation/VueFeuilleP.h"
#include "records/Configuration.h"
#include "view/DessinGraphe.h"
#include "view/GraphPainter.h"
#include "view/LectureCurseur.h"
#include "view/TableauValeurs.h"

#include <cstdint>
#include <optional>
#include <random>

namespace vedo {

struct ModeleFeuilleP {
    // `courbes`: the application's kept runs, which outlive the window;
    // `Timer1` is `minuterie`, which the model sets going; `questions` are
    // asked as the window's.
    ModeleFeuilleP(KeptRuns& courbes, VueFeuilleP& vue, Minuterie& minuterie, Questions& questions,
                   PressePapiers& pressePapiers);
    ModeleFeuilleP(const ModeleFeuilleP&) = delete;
    ModeleFeuilleP& operator=(const ModeleFeuilleP&) = delete;

    Configuration reglages;
    // Names of A..D of the current reaction, indices 1..4, as the last
    // change of reaction left them.
    std::array<std::string, 5> nomEspece;

    // Run state: `nA`..`nD` and `nA0`..`nD0` in mol.
    Quantites n{};
    Quantites n0{};
    float kDirect = 0, kInverse = 0;
    std::int32_t duree = 0;      // seconds
    EtatAnimation animation;     // `tempsEcoule` (tenths of a second) and `ligneTab`
    PointsPrecedents precedents; // `xPrec`, `yPrecA`..`yPrecD`

    // The graph's scale, rebuilt by every `echgraphe`.
    std::int16_t facteurGraphe = 1;
    float ymax = 0.0f;

    // The table of values shown by `MSFlexGrid1`.
    TableauValeurs tableau;

    // Whole seconds under the cursor at its last move inside the plot area:
    // the instant the tangents touch.
    std::int32_t tempsCurseur = 0;

    // What the graph picture shows, as it was drawn: its saved files draw it again.
    DessinGraphe dessinGraphe;
    // "Effacer" (`Command6`) shows; "Début de la réaction" (`Command5`) is
    // enabled; "Ajouter un catalyseur" (`Check5`) is enabled; the curve
    // selectors `option2` are enabled; the table of values (`Frame3`) covers
    // the graph.
    bool effacerMontre = false;
    bool debutActif = true;
    bool catalyseurActif = true;
    bool choixCourbesActifs = true;
    bool tableauMontre = false;
    // At the last move the mouse was over the plot area: the cross cursor
    // shows, and a click asks for the tangents; "Cliquer pour obtenir la
    // tangente" (`Label5`) shows too when runs are kept.
    bool curseurSurGraphe = false;
    // Places the ice of the apparatus picture; the shell seeds it.
    std::mt19937 alea;
    // The graph covers the window's pictures (`Command12`, "Agrandir").
    bool grapheAgrandi = false;
    bool indiceTangente = false;

    // The reaction changed: its species take their names, the catalyst is
    // allowed or not, the table is prepared again.
    void Combo1_Click();
    // Reaction 4 takes no catalyst.
    bool catalyseurPermis() const { return reglages.reaction != 3; }
    // Only the esterification and the hydrolysis depend on the alcohol's class.
    bool classeAlcoolVisible() const { return reglages.reaction == 0 || reglages.reaction == 2; }
    // "Effacer" shows while runs are kept and kept runs are asked for.
    bool effacerVisible() const { return reglages.conserverCourbes && courbes_.nbCourbes >= 0; }

    Conditions conditions() const;
    CouleursCourbes couleurs() const;
    CourbesAffichees courbesAffichees() const { return reglages.courbes; }
    // The duration selector's tag: the seconds of its position, written at
    // each change of the selector, and none before the first.
    std::int32_t tagDuree = 0;
    void dureeChangee();
    std::int32_t dureeSelectionnee() const { return tagDuree; }
    // On the white grid a white Qr is hidden; the header stays.
    Couleur couleurQr() const { return reglages.afficherQr ? noir : blanc; }
    int nombreLignesTableau() const { return vedo::nombreLignesTableau(reglages.defilementLignes); }
    // The run that has just finished, as a kept run stores it: the amounts it
    // started from and the settings it ran with.
    CourbeConservee courbeTerminee() const;

    // The loader `chargeconfig`: the records read, applied in order, each
    // as the student's change would be; then, when the whole file was read,
    // the kept runs forgotten and "Retour état initial"; otherwise the error
    // told. False when the file was not read whole.
    bool chargeconfig(const LectureConfiguration& lecture);
    // Sets records 2 to `dernierEnregistrement` of `c`, in that order, each
    // one's control showing it and its handlers running.
    void appliquerReglages(const Configuration& c, int dernierEnregistrement);

    // The window became the program's active one: the ice is placed anew
    // from `graine` and the kept runs are forgotten, though the graph still
    // shows them until it is rebuilt.
    void Form_Activate(unsigned graine);
    // Draws the apparatus for the temperature and the distillation.
    void fondi();

    // Resets the run: timer off, amounts from the boxes, graph and table rebuilt.
    void initialise();
    // Rebuilds the graph; with 1 the table of values first.
    void echgraphe(int rafraichirTableau);
    // Rebuilds the table of values: rows, times, headers and row 0.
    void prepatab();
    // Rewrites the run history and what the graph is said to show.
    void makehisto();
    void decrireGraphe();

    // Whole run on `quantites` drawn on the graph; with `remplirTableau` the
    // rows of the table are written as it reaches them.
    void speed(Quantites& quantites, std::int32_t dureeTableau, const Conditions& conditions,
               const CouleursCourbes& couleurs, bool remplirTableau);
    bool enAnimation() const { return minuterie_.enMarche(); }
    // Draws the current run again after the graph changed size: the animated
    // run as far as it went, or the finished one.
    void redessinerRunEnCours();
    // Stores the run that has just finished in slot `nbCourbes`.
    void enrcourbe();

    void Command3_Click(); // "État final"
    void Command5_Click(); // "Début de la réaction"
    void Command6_Click(); // "Effacer"
    void Command9_Click(); // "Retour état initial"
    void Timer1_Timer(); // one tick of the animated run
    // "Co&pier": `menucop` at `position` on the screen, then what was
    // chosen: the table's cells as text, or what the shell copies or saves;
    // `info` confirms the copy whatever the choice.
    void Command4_Click(Pixel position);
    void Check1_Click(); // "Tracer en gras"
    void Check2_Click(); // "Conserver les courbes"
    void option2_Click(); // a species' curve shown or hidden
    void Option1_Click(); // the graph or the table of values chosen
    void VScroll2_Change(); // the duration
    void VScroll3_Change(); // the number of rows of the table

    // An amount box lost the focus: the four amounts are checked, any
    // overflow told, the boxes rewritten and the graph rebuilt.
    void Text1_LostFocus(int index);

    // A colour swatch clicked: the colour chooser, and species `espece`
    // (0..3) takes the colour chosen.
    void Label4_Click(int espece);

    // The mouse moved over the graph, at a point in picture units: the
    // readout under it, none outside the plot area.
    std::optional<LectureCurseur> Picture2_MouseMove(float x, float y);
    // A click on the graph, at `position` on the screen: over the plot area
    // with runs kept, the menu of their tangents.
    void Picture2_Click(Pixel position);
    // "Agrandir" or "Restaurer": the graph changes size, then is drawn again
    // with the current run as far as it went.
    void Command12_Click();
    const char* infoBulleCommand12() const { return grapheAgrandi ? "Restaurer" : "Agrandir"; }

    // The tangents at the instant under the cursor to the curves of kept run
    // `index`, as item `index` of the graph's menu asks.
    void out01_Click(int index);
    void tander(std::int32_t t0, const CourbeConservee& courbe);

private:
    class SinkRunCourant;
    // Ends the animated run that a tick found finished.
    void finRunAnime();
    void afficherEffacer();
    // The four boxes, where they hold a number, into the amounts.
    void lireQuantites();

    KeptRuns& courbes_;
    VueFeuilleP& vue_;
    Minuterie& minuterie_;
    Questions& questions_;
    PressePapiers& pressePapiers_;
};

} // namespace vedo
