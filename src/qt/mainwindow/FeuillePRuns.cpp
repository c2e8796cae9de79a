// Runs of the main window: "État final", "Début de la réaction" and its
// timer, "Retour état initial", "Effacer", and the kept-run store.

#include "mainwindow/FeuilleP.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "engine/AmountRules.h"

namespace vedo {

// Draws the current run on the graph and, for the run that fills it,
// writes the rows of the table and shows them.
class FeuilleP::SinkRunCourant : public RunSink {
public:
    SinkRunCourant(FeuilleP& f, const CouleursCourbes& couleurs, bool remplirTableau)
        : fenetre_(f),
          traceur_(f.Picture2->surface(), {f.modele_.facteurGraphe, f.modele_.duree, f.modele_.ymax}, f.modele_.courbesAffichees(),
                   couleurs, f.Picture2->epaisseur(), f.modele_.precedents, &f.dessinGraphe),
          remplirTableau_(remplirTableau) {}
    ~SinkRunCourant() override { fenetre_.Picture2->update(); }

    void premierPoint(const Quantites& q) override { traceur_.premierPoint(q); }
    void point(double t, const Quantites& q) override { traceur_.point(t, q); }
    void ligne(int ligneTab, const Quantites& q) override {
        if (!remplirTableau_) return;
        fenetre_.modele_.tableau.ecrireLigne(ligneTab, q);
        fenetre_.afficherLigneTableau(ligneTab);
    }

private:
    FeuilleP& fenetre_;
    TraceurCourbes traceur_;
    bool remplirTableau_;
};

void FeuilleP::initialise() {
    Timer1->stop();
    for (int k = 0; k < 4; ++k)
        if (const auto v = quantiteSaisie(modele_.reglages.quantites[k])) modele_.n[k] = *v;
    modele_.duree = modele_.dureeSelectionnee();
    modele_.animation.tempsEcoule = 0;
    echgraphe(1);
    afficherEffacer();
}

void FeuilleP::afficherEffacer() {
    Command6->setVisible(modele_.effacerVisible(application.courbes));
}

void FeuilleP::speed(Quantites& quantites, std::int32_t dureeTableau, const Conditions& conditions,
                     const CouleursCourbes& couleurs, bool remplirTableau) {
    ParametresRun p;
    p.duree = modele_.duree;
    p.dureeTableau = dureeTableau;
    p.conditions = conditions;
    p.remplirTableau = remplirTableau;
    p.nombreLignes = modele_.tableau.nombreLignes();
    p.ymax = modele_.ymax;
    SinkRunCourant sink(*this, couleurs, remplirTableau);
    ConstantesVitesse k{modele_.kDirect, modele_.kInverse};
    vedo::speed(quantites, p, sink, k);
    modele_.kDirect = k.kDirect;
    modele_.kInverse = k.kInverse;
}

void FeuilleP::Command3_Click() {
    const bool conserver = modele_.reglages.conserverCourbes;
    application.courbes.debutRun(conserver);
    initialise();
    for (int k = 0; k < 4; ++k)
        if (const auto v = quantiteSaisie(modele_.reglages.quantites[k])) modele_.n[k] = *v;
    modele_.n0 = modele_.n;
    speed(modele_.n, modele_.dureeSelectionnee(), modele_.conditions(), modele_.couleurs(), true);
    application.courbes.finRun(conserver);
    enrcourbe();
    afficherEffacer();
}

void FeuilleP::Command5_Click() {
    application.courbes.debutRun(modele_.reglages.conserverCourbes);
    initialise();
    modele_.n0 = modele_.n;
    modele_.duree = modele_.dureeSelectionnee();
    Timer1->start();
    modele_.animation.tempsEcoule = 0;
}

void FeuilleP::Timer1_Timer() {
    ParametresRun p;
    p.duree = modele_.duree;
    p.dureeTableau = modele_.dureeSelectionnee();
    p.conditions = modele_.conditions();
    p.remplirTableau = true;
    p.nombreLignes = modele_.tableau.nombreLignes();
    p.ymax = modele_.ymax;
    ConstantesVitesse k{modele_.kDirect, modele_.kInverse};
    Tick tick;
    {
        SinkRunCourant sink(*this, modele_.couleurs(), true);
        tick = timerTick(modele_.n, modele_.animation, p, modele_.reglages.vitesseAnimation, sink, k);
    }
    modele_.kDirect = k.kDirect;
    modele_.kInverse = k.kInverse;
    if (tick == Tick::terminee) finRunAnime();
}

void FeuilleP::direct() {
    Timer1_Timer();
}

void FeuilleP::finRunAnime() {
    Timer1->stop();
    Command5->setEnabled(true);
    application.courbes.finRun(modele_.reglages.conserverCourbes);
    enrcourbe();
    afficherEffacer();
}

void FeuilleP::Command9_Click() {
    application.courbes.retourEtatInitial(modele_.reglages.conserverCourbes, Timer1->isActive());
    Timer1->stop();
    initialise();
}

void FeuilleP::Command6_Click() {
    application.courbes.effacer();
    echgraphe(1);
}

void FeuilleP::Check1_Click() {
    initialise();
    speed(modele_.n, modele_.dureeSelectionnee(), modele_.conditions(), modele_.couleurs(), true);
}

void FeuilleP::enrcourbe() {
    application.courbes.enrcourbe(modele_.courbeTerminee(), modele_.ymax);
    makehisto();
    decrireGraphe();
}

} // namespace vedo
