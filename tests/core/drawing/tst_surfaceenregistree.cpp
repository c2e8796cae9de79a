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
