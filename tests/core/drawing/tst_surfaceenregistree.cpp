#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"

#include <functional>

using namespace vedo;

ESSAI(chaqueAppelNoteAvecSesArguments) {
    struct Ligne {
        const char* nom;
        std::function<void(Surface&)> dessiner;
        std::string attendu;
    };
    const Couleur gris{192, 192, 192};
    essai::lignes<Ligne>({{"fill in white", [](Surface& s) { s.remplir(blanc); }, "remplir #ffffff"},
                          {"grey line",
                           [&](Surface& s) {
                               s.ligne({1, 2}, {5, 2}, gris, 1);
                           },
                           "ligne 1,2 5,2 #c0c0c0 1"},
                          {"line going up and left",
                           [](Surface& s) {
                               s.ligne({9, 8}, {-3, -4}, noir, 2);
                           },
                           "ligne 9,8 -3,-4 #000000 2"},
                          {"outline",
                           [](Surface& s) {
                               s.rectangle({0, 0}, {9, 9}, noir, 1, false);
                           },
                           "rectangle 0,0 9,9 #000000 1 contour"},
                          {"filled rectangle",
                           [](Surface& s) {
                               s.rectangle({4, 3}, {1, 2}, {0, 0, 255}, 3, true);
                           },
                           "rectangle 4,3 1,2 #0000ff 3 plein"},
                          {"dot",
                           [](Surface& s) {
                               s.point({3, 4}, 2, {255, 0, 255});
                           },
                           "point 3,4 2 #ff00ff"},
                          {"plain text", [](Surface& s) { s.texte(10, 22.5, "Quantité", Police{}, noir); },
                           "texte 10,22.5 \"Quantité\" Arial 8 #000000"},
                          {"bold italic text",
                           [](Surface& s) {
                               s.texte(0, 12, "t ", {"Arial", 9, true, true}, {255, 128, 0});
                           },
                           "texte 0,12 \"t \" Arial 9 gras italique #ff8000"},
                          {"stroke with a pen",
                           [](Surface& s) {
                               s.trait({1, 2}, {5, 2}, {{255, 0, 0}, 2, Plume::Bout::rond});
                           },
                           "trait 1,2 5,2 #ff0000 2 rond biseau"},
                          {"dotted stroke with flat ends",
                           [](Surface& s) {
                               s.trait({0, 0}, {0, 9}, {noir, 1, Plume::Bout::plat, Plume::Angle::onglet, true});
                           },
                           "trait 0,0 0,9 #000000 1 plat onglet pointille"},
                          {"polyline",
                           [](Surface& s) {
                               s.polyligne({{1, 2}, {5, 2}, {5, 9}}, {{255, 0, 0}, 2, Plume::Bout::rond, Plume::Angle::rond});
                           },
                           "polyligne 1,2 5,2 5,9 #ff0000 2 rond rond"},
                          {"group with its font",
                           [](Surface& s) {
                               const Police p;
                               s.ouvrirGroupe(&p);
                           },
                           "groupe Arial 8"},
                          {"group alone", [](Surface& s) { s.ouvrirGroupe(); }, "groupe"},
                          {"end of a group", [](Surface& s) { s.fermerGroupe(); }, "fin groupe"}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             l.dessiner(s);
                             COMPARE(s.appels(), std::vector<std::string>{l.attendu});
                         });
}

ESSAI(appelsDansLOrdre) {
    SurfaceEnregistree s;
    s.remplir(blanc);
    s.point({1, 1}, 1, noir);
    s.remplir(noir);
    COMPARE(s.appels(),
            (std::vector<std::string>{"remplir #ffffff", "point 1,1 1 #000000", "remplir #000000"}));
    s.oublier();
    VERIFIE(s.appels().empty());
}

ESSAI(mesuresDeTexte) {
    struct Ligne {
        const char* nom;
        std::string texte;
        double points, largeur, hauteur, ascent;
    };
    essai::lignes<Ligne>({{"nine points, two letters", "ab", 9, 12, 15, 12},
                          {"accents count once", "été", 9, 18, 15, 12},
                          {"empty text keeps its height", "", 9, 0, 15, 12},
                          {"twelve points", "W", 12, 8, 20, 16}},
                         [](const Ligne& l) {
                             const SurfaceEnregistree s;
                             const MesureTexte m = s.mesurer(l.texte, {"Arial", l.points, false, false});
                             COMPARE(m.largeur, l.largeur);
                             COMPARE(m.hauteur, l.hauteur);
                             COMPARE(m.ascent, l.ascent);
                         });
}

ESSAI(appelsVectoriels) {
    struct Ligne {
        const char* nom;
        std::function<void(Surface&)> dessiner;
        std::string attendu;
    };
    const Plume fine{{72, 72, 72}, 1.2, Plume::Bout::rond, Plume::Angle::rond};
    const Couleur bleu{176, 210, 240};
    essai::lignes<Ligne>(
        {{"open path stroked",
          [&](Surface& s) {
              s.tracer(Chemin({1, 2}).ligne({3, 4}).quad({5, 6}, {7, 8}).cubique({1, 1}, {2, 2}, {3, 3}), fine,
                       std::nullopt);
          },
          "tracer M 1,2 L 3,4 Q 5,6 7,8 C 1,1 2,2 3,3 #484848 1.2 rond rond | -"},
         {"closed figure filled only",
          [&](Surface& s) { s.tracer(Chemin({0, 0}).ligne({4, 0}).ligne({0, 4}).fermer(), std::nullopt, bleu); },
          "tracer M 0,0 L 4,0 L 0,4 Z - | #b0d2f0"},
         {"union of a rectangle and an ellipse, then moved",
          [&](Surface& s) {
              s.tracer(Chemin().rectangle({11, 14}, {17, 116}).unir(Chemin().ellipse({14, 31}, 7.2, 7.2)).decale(-1.1, -1.3),
                       fine, bleu);
          },
          "tracer R 11,14 17,116 +(E 14,31 7.2,7.2) >-1.1,-1.3 #484848 1.2 rond rond | #b0d2f0"},
         {"intersection",
          [&](Surface& s) {
              s.tracer(Chemin().rectangle({0, 0}, {9, 9}).croiser(Chemin({1, 1}).ligne({5, 5})), std::nullopt, bleu);
          },
          "tracer R 0,0 9,9 *(M 1,1 L 5,5) - | #b0d2f0"},
         {"arc and rounded rectangle, seen through",
          [](Surface& s) {
              s.tracer(Chemin({27, 10}).arc({14, 24}, 36, 36, 110, 320).rectangleArrondi({2, 2}, 60, 60, 12, 12),
                       std::nullopt, Remplissage(blanc, 70));
          },
          "tracer M 27,10 A 14,24 36,36 110,320 RA 2,2 60,60 12,12 - | #ffffff/70"},
         {"gradient",
          [](Surface& s) {
              s.tracer(Chemin().rectangle({0, 0}, {1, 1}), std::nullopt,
                       Remplissage::degrade({0, 0}, {0, 64}, {{0, {70, 130, 200}}, {1, {30, 70, 140}}}));
          },
          "tracer R 0,0 1,1 - | degrade 0,0 0,64 0:#4682c8 1:#1e468c"},
         {"dotted flat segment",
          [](Surface& s) { s.segment({1, 2}, {3, 4.5}, {noir, 2, Plume::Bout::plat, Plume::Angle::onglet, true}); },
          "segment 1,2 3,4.5 #000000 2 plat onglet pointille"},
         {"vector rectangle",
          [&](Surface& s) { s.rectangle(Point{10.2, -2}, Point{13.8, 30}, fine, Couleur{250, 250, 250}); },
          "rectangle 10.2,-2 13.8,30 #484848 1.2 rond rond | #fafafa"},
         {"ellipse", [&](Surface& s) { s.ellipse({12, 33}, 2.6, 4, std::nullopt, bleu); },
          "ellipse 12,33 2.6,4 - | #b0d2f0"},
         {"arc", [&](Surface& s) { s.arc({14, 31}, 5, 5, 100, 80, fine); },
          "arc 14,31 5,5 100 80 #484848 1.2 rond rond"},
         {"frame and limit",
          [](Surface& s) {
              s.sauver();
              s.translater(15, 30);
              s.tourner(27);
              s.echelle(0.25, 2);
              s.lisser(true);
              s.limiter(Chemin().rectangle({0, 0}, {2, 2}));
              s.restaurer();
          },
          "sauver|translater 15,30|tourner 27|echelle 0.25,2|lisser oui|limiter R 0,0 2,2|restaurer"},
         {"image", [](Surface& s) { s.image({-3, 4}, Image(2, 5)); }, "image -3,4 2x5"},
         {"layer drawn inside its markers",
          [](Surface& s) {
              const Image calque = s.calque(3, 2, [](Surface& c) { c.lisser(true); });
              VERIFIE(calque == Image(3, 2));
          },
          "calque 3x2|lisser oui|fin calque"}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            l.dessiner(s);
            std::string appels;
            for (const std::string& a : s.appels()) appels += (appels.empty() ? "" : "|") + a;
            COMPARE(appels, l.attendu);
        });
}

// A path is a value: combining or moving it leaves the one it came from.
ESSAI(cheminsIndependants) {
    struct Ligne {
        const char* nom;
        std::function<Chemin(const Chemin&)> deriver;
        Point decalage;
        std::size_t combinaisons;
    };
    essai::lignes<Ligne>({{"moved twice adds up", [](const Chemin& c) { return c.decale(1, 2).decale(0.5, -4); },
                           {1.5, -2}, 0},
                          {"united then intersected", [](const Chemin& c) { return c.unir(c).croiser(c); }, {}, 2}},
                         [](const Ligne& l) {
                             Chemin origine({1, 1});
                             origine.ligne({2, 2});
                             const Chemin copie = origine;
                             const Chemin derive = l.deriver(origine);
                             VERIFIE(origine == copie);
                             COMPARE(derive.decalage(), l.decalage);
                             COMPARE(derive.combinaisons().size(), l.combinaisons);
                             COMPARE(derive.elements(), origine.elements());
                         });
}
