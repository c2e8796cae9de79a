#pragma once
// What the main window's model asks of the shell that shows it: the graph
// picture to draw on, and word of each thing it changed that the shell shows
// in a control of its own (the grid, the history, the run buttons).

#include "drawing/Toile.h"
#include "engine/History.h"
#include "presentation/MenuCopie.h"

#include <functional>
#include <string>
#include <vector>

namespace vedo {

class VueFeuilleP {
public:
    virtual ~VueFeuilleP() = default;

    // `Picture2`: its canvas, over an image the size of the picture.
    virtual Toile& graphe() = 0;
    virtual int largeurGraphe() = 0;
    virtual int hauteurGraphe() = 0;
    // What was drawn on the graph is to show.
    virtual void grapheDessine() = 0;
    // The graph was enlarged or brought back: the picture takes its size.
    virtual void tailleGrapheChangee() = 0;
    // The graph's origin is set: the hint and the buttons on it follow.
    virtual void placerOutilsGraphe() = 0;

    // `animpic`: the apparatus picture, drawn by `dessin` on a surface of
    // the picture's size, and what it shows in words.
    virtual void dessinerAppareil(const std::function<void(Surface&, int largeur, int hauteur)>& dessin) = 0;
    virtual void decrireAppareil(const std::string& description) = 0;

    // The table of values was prepared again, or only one of its rows written.
    virtual void afficherTableau() = 0;
    virtual void afficherLigneTableau(int ligne) = 0;

    virtual void afficherHistorique(const std::vector<MorceauHistorique>& morceaux) = 0;
    // What the graph shows, in words.
    virtual void decrireGraphe(const std::string& description) = 0;
    // The enabled and visible states the model keeps changed.
    virtual void etatsChanges() = 0;
    // The reaction's species took their names: the lists that show them follow.
    virtual void especesNommees() = 0;
    // The model changed record `numero` of the settings: its control shows
    // it, its handlers running as for the student's change.
    virtual void reglageChange(int numero) = 0;
    // Records 2 to `dernierEnregistrement` of a configuration were applied.
    virtual void reglagesAppliques(int dernierEnregistrement) = 0;

    // What the window has to copy, and the copy or save chosen in `menucop`.
    virtual CopiesPossibles copiesPossibles() = 0;
    virtual void copier(ChoixCopie choix) = 0;
    // The line of hints `info` shows `texte`.
    virtual void afficherInfo(const std::string& texte) = 0;
};

} // namespace vedo
