#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "drawing/Toile.h"

#include <functional>

using namespace vedo;

// Nine-point text on the recording surface: 12 pixels a line above the base,
// 15 a line, 6 a character.
ESSAI(dessinEnCoordonneesDeLImage) {
    struct Ligne {
        const char* nom;
        std::function<void(Toile&)> dessiner;
        std::vector<std::string> attendu;
        Point courant;
    };
    const Couleur rouge{255, 0, 0};
    essai::lignes<Ligne>(
        {{"clearing fills with the back colour and goes home",
          [](Toile& t) {
              t.setFond({0, 0, 128});
              t.placer(30, 40);
              t.effacer();
          },
          {"remplir #000080"},
          {0, 0}},
         {"clearing goes to the shifted origin",
          [](Toile& t) {
              t.setOrigine({-36, -45});
              t.effacer();
          },
          {"remplir #ffffff"},
          {-36, -45}},
         {"line in the ink, shifted and rounded",
          [](Toile& t) {
              t.setOrigine({0, -8});
              t.ligne({10.4, 2}, {20.5, 2});
          },
          {"ligne 10,10 21,10 #000000 1"},
          {20.5, 2}},
         {"line of one pixel draws nothing and stays",
          [&](Toile& t) {
              t.placer(3, 3);
              t.ligne({5.2, 5}, {4.8, 5}, rouge);
          },
          {},
          {3, 3}},
         {"thick line",
          [&](Toile& t) {
              t.setEpaisseur(3);
              t.ligne({0, 0}, {0, 9}, rouge);
          },
          {"ligne 0,0 0,9 #ff0000 3"},
          {0, 9}},
         {"width below one is one",
          [](Toile& t) {
              t.setEpaisseur(0);
              t.point({2, 2}, noir);
          },
          {"point 2,2 1 #000000"},
          {2, 2}},
         {"filled rectangle ends at its second corner",
          [&](Toile& t) {
              t.rectangle({8, 9}, {1, 2}, rouge, true);
          },
          {"rectangle 8,9 1,2 #ff0000 1 plein"},
          {1, 2}},
         {"printed line returns to the left margin one line lower",
          [](Toile& t) {
              t.setOrigine({-2, 0});
              t.placer(10, 20);
              t.setPolice({"Arial", 9, false, false});
              t.imprimer("abc");
          },
          {"texte 12,32 \"abc\" Arial 9 #000000"},
          {-2, 35}},
         {"text left on its line moves on by its width",
          [](Toile& t) {
              t.placer(10, 20);
              t.setPolice({"Arial", 9, false, false});
              t.setGras(true);
              t.setEncre({0, 128, 0});
              t.imprimer("ab", false);
              t.setGras(false);
              t.setItalique(true);
              t.imprimer("c", false);
          },
          {"texte 10,32 \"ab\" Arial 9 gras #008000", "texte 22,32 \"c\" Arial 9 italique #008000"},
          {28, 20}}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            Toile t(s);
            l.dessiner(t);
            COMPARE(s.appels(), l.attendu);
            COMPARE(t.courant().x, l.courant.x);
            COMPARE(t.courant().y, l.courant.y);
        });
}

ESSAI(mesuresDansLaPoliceCourante) {
    SurfaceEnregistree s;
    Toile t(s);
    t.setPolice({"Arial", 12, false, false});
    COMPARE(t.largeurTexte("abcd"), 32.0);
    COMPARE(t.hauteurTexte(), 20.0);
    VERIFIE(s.appels().empty());
}
