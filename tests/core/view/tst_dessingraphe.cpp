#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/DessinGraphe.h"

using namespace vedo;

namespace {

const CouleursCourbes couleurs = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 128, 0},
                                  Couleur{0, 192, 0}};

// Pen of species `code % 10`; from 10 on, the same species in red (its colour changed).
Plume plume(int code) {
    return plumeCourbe(code >= 10 ? Couleur{255, 0, 0} : couleurs[static_cast<std::size_t>(code % 10)], 1);
}

struct Mouvement {
    int espece;
    Pixel de, a;
};

std::vector<std::vector<Pixel>> tracesDe(const DessinGraphe& dessin) {
    std::vector<std::vector<Pixel>> traces;
    for (const auto& t : dessin.traces())
        traces.push_back(t.points);
    return traces;
}

std::string decrire(const std::vector<std::vector<Pixel>>& traces) {
    std::string s;
    for (const auto& t : traces) {
        s += "[";
        for (const Pixel p : t)
            s.append(" ").append(std::to_string(p.x)).append(",").append(std::to_string(p.y));
        s += " ]";
    }
    return s;
}

} // namespace

ESSAI(curvesBecomeOneTraceEach) {
    struct Ligne {
        const char* nom;
        std::vector<Mouvement> mouvements;
        std::vector<std::vector<Pixel>> traces;
    };
    essai::lignes<Ligne>(
        {{"straight on: only the ends stay",
          {{0, {50, 10}, {51, 10}}, {0, {51, 10}, {52, 10}}, {0, {52, 10}, {55, 10}}},
          {{{50, 10}, {55, 10}}}},
         {"going back, then away, keeps the turning point",
          {{0, {50, 10}, {52, 10}}, {0, {52, 10}, {51, 10}}, {0, {51, 10}, {51, 12}}},
          {{{50, 10}, {52, 10}, {51, 10}, {51, 12}}}},
         {"hesitating between two pixels draws one segment",
          {{0, {50, 10}, {51, 10}},
           {0, {51, 10}, {51, 11}},
           {0, {51, 11}, {51, 10}},
           {0, {51, 10}, {51, 11}},
           {0, {51, 11}, {52, 11}}},
          {{{50, 10}, {51, 10}, {51, 11}, {52, 11}}}},
         {"a colour changed during the run starts another trace",
          {{1, {50, 10}, {60, 10}}, {11, {60, 10}, {70, 10}}},
          {{{50, 10}, {60, 10}}, {{60, 10}, {70, 10}}}},
         {"a move that stays on its pixel adds nothing", {{2, {50, 10}, {50, 10}}}, {}}},
        [](const Ligne& l) {
            DessinGraphe dessin;
            for (const Mouvement& m : l.mouvements)
                dessin.prolonger(m.espece % 10, plume(m.espece), m.de, m.a);
            COMPARE(decrire(tracesDe(dessin)), decrire(l.traces));
        });
}

// Drawn again on a surface that keeps no pixels: the frame as the screen
// draws it, then each trace as one line with round corners, in one group.
ESSAI(redrawnAsTheFrameThenOneLineATrace) {
    struct Ligne {
        const char* nom;
        bool cadre;
        std::vector<std::string> apresCadre;
    };
    essai::lignes<Ligne>(
        {{"nothing drawn yet: white", false, {}},
         {"frame and curves", true,
          {"groupe", "polyligne 50,18 80,28 #0000ff 1 rond rond", "polyligne 50,118 80,148 #ff00ff 1 rond rond",
           "fin groupe"}}},
        [](const Ligne& l) {
            DessinGraphe dessin;
            CadreGraphe c;
            c.echelle = {1, 600, 2.0f};
            SurfaceEnregistree ecran;
            if (l.cadre) {
                VERIFIE(dessin.dessinerCadre(ecran, largeurGrapheNormal, hauteurGrapheNormal, c));
                dessin.prolonger(0, plume(0), {50, 18}, {80, 28});
                dessin.prolonger(1, plume(1), {50, 118}, {80, 148});
            }
            SurfaceEnregistree encore;
            dessin.dessiner(encore);
            std::vector<std::string> attendu = l.cadre ? ecran.appels() : std::vector<std::string>{"remplir #ffffff"};
            attendu.insert(attendu.end(), l.apresCadre.begin(), l.apresCadre.end());
            COMPARE(encore.appels(), attendu);
            COMPARE(dessin.largeur(), largeurGrapheNormal);
            COMPARE(dessin.hauteur(), hauteurGrapheNormal);
        });
}

// Tangents drawn on the graph's picture, red in its line width, each kept
// as a line of its own with flat ends; a species without one draws nothing.
ESSAI(tangentsDrawnAndKept) {
    struct Ligne {
        const char* nom;
        int epaisseur;
        std::array<std::optional<SegmentTangente>, 4> segments;
        std::vector<std::string> lignes;
        std::vector<std::string> traces;
    };
    essai::lignes<Ligne>(
        {{"one tangent", 1, {SegmentTangente{50, 110, 350, 60}, std::nullopt, std::nullopt, std::nullopt},
          {"ligne 50,118 350,68 #ff0000 1"},
          {"50,118 350,68 #ff0000 1 plat"}},
         {"two, bold", 2, {std::nullopt, SegmentTangente{50, 10, 200, 210}, std::nullopt, SegmentTangente{50, 210, 350, 200}},
          {"ligne 50,18 200,218 #ff0000 2", "ligne 50,218 350,208 #ff0000 2"},
          {"50,18 200,218 #ff0000 2 plat", "50,218 350,208 #ff0000 2 plat"}}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            Toile toile(s);
            toile.setOrigine({0, -8});
            toile.setEpaisseur(l.epaisseur);
            DessinGraphe dessin;
            Tangentes t;
            t.segments = l.segments;
            dessinerTangentes(toile, t, dessin);
            COMPARE(s.appels(), l.lignes);
            std::vector<std::string> traces;
            for (const auto& trace : dessin.traces())
                traces.push_back(std::to_string(trace.points[0].x) + "," + std::to_string(trace.points[0].y) + " " +
                                 std::to_string(trace.points[1].x) + "," + std::to_string(trace.points[1].y) + " " +
                                 texteCouleur(trace.plume.couleur) + " " + std::to_string(int(trace.plume.largeur)) +
                                 (trace.plume.bout == Plume::Bout::plat ? " plat" : " autre"));
            COMPARE(traces, l.traces);
        });
}
