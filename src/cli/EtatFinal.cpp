#include "cli/EtatFinal.h"

#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "view/GraphPainter.h"

namespace vedo::cli {

namespace {

Conditions conditionsDe(const Configuration& c) {
    Conditions k;
    k.reaction = c.reaction;
    k.classeAlcool = c.classeAlcool;
    k.temperature = c.temperature;
    k.catalyseur = c.catalyseur ? 1 : 0;
    k.distillation = c.distiller ? 1 : 0;
    k.especeVolatile = c.especeVolatile;
    return k;
}

// Fills the table and draws the curves at once.
class SinkEtatFinal : public RunSink {
public:
    SinkEtatFinal(RunSink& traceur, RunSink& remplisseur) : traceur_(traceur), remplisseur_(remplisseur) {}
    void premierPoint(const Quantites& n) override { traceur_.premierPoint(n); }
    void point(double t, const Quantites& n) override { traceur_.point(t, n); }
    void ligne(int l, const Quantites& n) override { remplisseur_.ligne(l, n); }

private:
    RunSink& traceur_;
    RunSink& remplisseur_;
};

} // namespace

ResultatEtatFinal calculerEtatFinal(const Configuration& c) {
    ResultatEtatFinal r;
    std::array<std::string, 4> textes;
    Quantites n{};
    CadreGraphe cadre;
    for (int i = 0; i < 4; ++i) {
        textes[i] = c.quantites[i].toStdString();
        if (const auto q = quantiteSaisie(textes[i])) {
            n[i] = *q;
            cadre.departs[i] = *q;
        }
        cadre.affichees[i] = c.courbes[i];
        cadre.couleurs[i] = couleurDepuisEntier(static_cast<std::uint32_t>(c.couleurs[i]));
    }
    const std::int32_t duree = dureePosition(c.positionDuree);
    const Conditions conditions = conditionsDe(c);
    cadre.echelle = {1, duree, ymaxGraphe(n, cadre.affichees, nullptr)};
    cadre.gras = c.traceGras;

    r.graphe = QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
    const bool dessine = dessinerCadre(r.graphe, cadre);
    r.tableau.prepatab(duree, c.defilementLignes, textes, conditions, n);

    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = duree;
    p.conditions = conditions;
    p.remplirTableau = true;
    p.nombreLignes = r.tableau.nombreLignes();
    p.ymax = cadre.echelle.ymax;
    PointsPrecedents precedents;
    RemplisseurTableau remplisseur(r.tableau);
    ConstantesVitesse k;
    if (dessine) {
        TraceurCourbes traceur(r.graphe, cadre.echelle, cadre.affichees, cadre.couleurs, c.traceGras ? 2 : 1,
                               precedents);
        SinkEtatFinal sink(traceur, remplisseur);
        speed(n, p, sink, k);
    } else {
        speed(n, p, remplisseur, k);
    }
    return r;
}

} // namespace vedo::cli
