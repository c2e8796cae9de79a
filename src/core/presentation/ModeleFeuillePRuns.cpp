// Runs of the main window: "État final", "Début de la réaction" and its
// timer, "Retour état initial", "Effacer", and the kept-run store.

#include "presentation/ModeleFeuilleP.h"

#include "common/Rounding.h"
#include "engine/AmountRules.h"

namespace vedo {

namespace {
// The timer's interval: the animation's pace is counted in its ticks.
constexpr int intervalleTimer1 = 100;
} // namespace

// Draws the current run on the graph and, for the run that fills it,
// writes the rows of the table and shows them.
class ModeleFeuilleP::SinkRunCourant : public RunSink {
public:
    SinkRunCourant(ModeleFeuilleP& m, const CouleursCourbes& couleurs, bool remplirTableau)
        : modele_(m),
          traceur_(m.vue_.graphe().surface(), {m.facteurGraphe, m.duree, m.ymax}, m.courbesAffichees(), couleurs,
                   m.vue_.graphe().epaisseur(), m.precedents, &m.dessinGraphe),
          remplirTableau_(remplirTableau) {}
    ~SinkRunCourant() override { modele_.vue_.grapheDessine(); }

    void premierPoint(const Quantites& q) override { traceur_.premierPoint(q); }
    void point(double t, const Quantites& q) override { traceur_.point(t, q); }
    void ligne(int ligneTab, const Quantites& q) override {
        if (!remplirTableau_) return;
        modele_.tableau.ecrireLigne(ligneTab, q);
        modele_.vue_.afficherLigneTableau(ligneTab);
    }

private:
    ModeleFeuilleP& modele_;
    TraceurCourbes traceur_;
    bool remplirTableau_;
};

void ModeleFeuilleP::lireQuantites() {
    for (std::size_t k = 0; k < 4; ++k)
        if (const auto v = quantiteSaisie(reglages.quantites[k])) n[k] = *v;
}

void ModeleFeuilleP::Text1_LostFocus(int index) {
    const ValidationQuantites r = validerQuantites(reglages.quantites, index);
    const std::string titre = "Dépassement de capacité";
    if (r.depassement == DepassementQuantite::inferieur)
        questions_.message(Icone::critique, titre, "La quantité de matière ne peut être inférieure à 0,001 mol");
    if (r.depassement == DepassementQuantite::superieur)
        questions_.message(Icone::critique, titre, "La quantité de matière ne peut être supérieure à 10 mol");
    for (std::size_t k = 0; k < 4; ++k) {
        reglages.quantites[k] = r.textes[k];
        vue_.reglageChange(2 + static_cast<int>(k));
    }
    echgraphe(1);
}

void ModeleFeuilleP::initialise() {
    minuterie_.arreter();
    lireQuantites();
    duree = dureeSelectionnee();
    animation.tempsEcoule = 0;
    echgraphe(1);
    afficherEffacer();
}

void ModeleFeuilleP::afficherEffacer() {
    effacerMontre = effacerVisible();
    vue_.etatsChanges();
}

void ModeleFeuilleP::speed(Quantites& quantites, std::int32_t dureeTableau, const Conditions& c,
                           const CouleursCourbes& teintes, bool remplirTableau) {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = dureeTableau;
    p.conditions = c;
    p.remplirTableau = remplirTableau;
    p.nombreLignes = tableau.nombreLignes();
    p.ymax = ymax;
    SinkRunCourant sink(*this, teintes, remplirTableau);
    ConstantesVitesse k{kDirect, kInverse};
    vedo::speed(quantites, p, sink, k);
    kDirect = k.kDirect;
    kInverse = k.kInverse;
}

void ModeleFeuilleP::Command3_Click() {
    const bool conserver = reglages.conserverCourbes;
    courbes_.debutRun(conserver);
    initialise();
    lireQuantites();
    n0 = n;
    speed(n, dureeSelectionnee(), conditions(), couleurs(), true);
    courbes_.finRun(conserver);
    enrcourbe();
    afficherEffacer();
}

void ModeleFeuilleP::Command5_Click() {
    courbes_.debutRun(reglages.conserverCourbes);
    initialise();
    n0 = n;
    duree = dureeSelectionnee();
    minuterie_.demarrer(intervalleTimer1);
    animation.tempsEcoule = 0;
}

void ModeleFeuilleP::Timer1_Timer() {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = dureeSelectionnee();
    p.conditions = conditions();
    p.remplirTableau = true;
    p.nombreLignes = tableau.nombreLignes();
    p.ymax = ymax;
    ConstantesVitesse k{kDirect, kInverse};
    Tick tick;
    {
        SinkRunCourant sink(*this, couleurs(), true);
        tick = timerTick(n, animation, p, reglages.vitesseAnimation, sink, k);
    }
    kDirect = k.kDirect;
    kInverse = k.kInverse;
    if (tick == Tick::terminee) finRunAnime();
}

void ModeleFeuilleP::finRunAnime() {
    minuterie_.arreter();
    debutActif = true;
    courbes_.finRun(reglages.conserverCourbes);
    enrcourbe();
    afficherEffacer();
}

void ModeleFeuilleP::Command9_Click() {
    courbes_.retourEtatInitial(reglages.conserverCourbes, minuterie_.enMarche());
    minuterie_.arreter();
    initialise();
}

void ModeleFeuilleP::Command6_Click() {
    courbes_.effacer();
    echgraphe(1);
}

void ModeleFeuilleP::Check1_Click() {
    initialise();
    speed(n, dureeSelectionnee(), conditions(), couleurs(), true);
}

void ModeleFeuilleP::enrcourbe() {
    courbes_.enrcourbe(courbeTerminee(), ymax);
    makehisto();
    decrireGraphe();
}

void ModeleFeuilleP::redessinerRunEnCours() {
    std::int32_t fin = duree;
    if (minuterie_.enMarche()) {
        lireQuantites();
        fin = versEntier32(animation.tempsEcoule / 10.0).value_or(0);
    } else if (courbes_.nbCourbes >= 0) {
        n = n0; // amounts typed since the run do not count
    } else {
        return;
    }
    ParametresRun p;
    p.duree = fin;
    p.conditions = conditions();
    p.ymax = ymax;
    Toile& graphe = vue_.graphe();
    TraceurCourbes traceur(graphe.surface(), {facteurGraphe, duree, ymax}, courbesAffichees(), couleurs(),
                           graphe.epaisseur(), precedents, &dessinGraphe);
    // The animation goes on from the starting point at the new scale.
    if (fin == 0) traceur.premierPoint(n);
    ConstantesVitesse k{kDirect, kInverse};
    vedo::speed(n, p, traceur, k);
    kDirect = k.kDirect;
    kInverse = k.kInverse;
    vue_.grapheDessine();
}

} // namespace vedo
