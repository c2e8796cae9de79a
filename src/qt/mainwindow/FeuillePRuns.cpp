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
          traceur_(f.Picture2->surface(), {f.facteurGraphe, f.duree, f.ymax}, f.courbesAffichees(),
                   couleurs, f.Picture2->epaisseur(), f.precedents, &f.dessinGraphe),
          remplirTableau_(remplirTableau) {}
    ~SinkRunCourant() override { fenetre_.Picture2->update(); }

    void premierPoint(const Quantites& q) override { traceur_.premierPoint(q); }
    void point(double t, const Quantites& q) override { traceur_.point(t, q); }
    void ligne(int ligneTab, const Quantites& q) override {
        if (!remplirTableau_) return;
        fenetre_.tableau.ecrireLigne(ligneTab, q);
        fenetre_.afficherLigneTableau(ligneTab);
    }

private:
    FeuilleP& fenetre_;
    TraceurCourbes traceur_;
    bool remplirTableau_;
};

std::int32_t FeuilleP::dureeSelectionnee() const {
    return versEntier32(valeurEnTete(Picture1->tagDuree().toStdString())).value_or(0);
}

Conditions FeuilleP::conditionsActuelles() const {
    Conditions c;
    c.reaction = static_cast<std::int16_t>(Picture4->Combo1->currentIndex());
    c.classeAlcool = static_cast<std::int16_t>(Picture4->Combo2->currentIndex());
    c.temperature = static_cast<std::int16_t>(Picture3->HScroll1->value());
    c.catalyseur = Picture3->Check5->isChecked() ? 1 : 0;
    c.distillation = Picture3->Check4->isChecked() ? 1 : 0;
    c.especeVolatile = static_cast<std::int16_t>(Picture3->Combo3->currentIndex());
    return c;
}

CouleursCourbes FeuilleP::couleursActuelles() const {
    return {couleurDe(Picture1->couleurCourbe(0)), couleurDe(Picture1->couleurCourbe(1)),
            couleurDe(Picture1->couleurCourbe(2)), couleurDe(Picture1->couleurCourbe(3))};
}

CourbesAffichees FeuilleP::courbesAffichees() const {
    CourbesAffichees a;
    for (int i = 0; i < 4; ++i)
        a[i] = Picture1->option2[i]->isChecked();
    return a;
}

void FeuilleP::initialise() {
    Timer1->stop();
    for (int k = 0; k < 4; ++k)
        if (const auto v = quantiteSaisie(Picture4->Text1[k]->text().toStdString())) n[k] = *v;
    duree = dureeSelectionnee();
    animation.tempsEcoule = 0;
    echgraphe(1);
    afficherEffacer();
}

void FeuilleP::afficherEffacer() {
    Command6->setVisible(frame2->Check2->isChecked() && application.courbes.nbCourbes >= 0);
}

void FeuilleP::speed(Quantites& quantites, std::int32_t dureeTableau, const Conditions& conditions,
                     const CouleursCourbes& couleurs, bool remplirTableau) {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = dureeTableau;
    p.conditions = conditions;
    p.remplirTableau = remplirTableau;
    p.nombreLignes = tableau.nombreLignes();
    p.ymax = ymax;
    SinkRunCourant sink(*this, couleurs, remplirTableau);
    ConstantesVitesse k{kDirect, kInverse};
    vedo::speed(quantites, p, sink, k);
    kDirect = k.kDirect;
    kInverse = k.kInverse;
}

void FeuilleP::Command3_Click() {
    const bool conserver = frame2->Check2->isChecked();
    application.courbes.debutRun(conserver);
    initialise();
    for (int k = 0; k < 4; ++k)
        if (const auto v = quantiteSaisie(Picture4->Text1[k]->text().toStdString())) n[k] = *v;
    n0 = n;
    speed(n, dureeSelectionnee(), conditionsActuelles(), couleursActuelles(), true);
    application.courbes.finRun(conserver);
    enrcourbe();
    afficherEffacer();
}

void FeuilleP::Command5_Click() {
    application.courbes.debutRun(frame2->Check2->isChecked());
    initialise();
    n0 = n;
    duree = dureeSelectionnee();
    Timer1->start();
    animation.tempsEcoule = 0;
}

void FeuilleP::Timer1_Timer() {
    ParametresRun p;
    p.duree = duree;
    p.dureeTableau = dureeSelectionnee();
    p.conditions = conditionsActuelles();
    p.remplirTableau = true;
    p.nombreLignes = tableau.nombreLignes();
    p.ymax = ymax;
    ConstantesVitesse k{kDirect, kInverse};
    Tick tick;
    {
        SinkRunCourant sink(*this, couleursActuelles(), true);
        tick = timerTick(n, animation, p, frame2->HScroll2->value(), sink, k);
    }
    kDirect = k.kDirect;
    kInverse = k.kInverse;
    if (tick == Tick::terminee) finRunAnime();
}

void FeuilleP::direct() {
    Timer1_Timer();
}

void FeuilleP::finRunAnime() {
    Timer1->stop();
    Command5->setEnabled(true);
    application.courbes.finRun(frame2->Check2->isChecked());
    enrcourbe();
    afficherEffacer();
}

void FeuilleP::Command9_Click() {
    application.courbes.retourEtatInitial(frame2->Check2->isChecked(), Timer1->isActive());
    Timer1->stop();
    initialise();
}

void FeuilleP::Command6_Click() {
    application.courbes.effacer();
    echgraphe(1);
}

void FeuilleP::Check1_Click() {
    initialise();
    speed(n, dureeSelectionnee(), conditionsActuelles(), couleursActuelles(), true);
}

void FeuilleP::enrcourbe() {
    CourbeConservee c;
    for (int i = 1; i <= 4; ++i) {
        c.courbeQuantite[i] = n0[static_cast<std::size_t>(i - 1)]; // what the run started from
        c.courbeCouleur[i] = entierDepuisCouleur(couleurDe(Picture1->couleurCourbe(i - 1)));
    }
    c.courbeParam = {static_cast<std::int16_t>(Picture4->Combo1->currentIndex()),
                     static_cast<std::int16_t>(Picture3->HScroll1->value()),
                     static_cast<std::int16_t>(Picture4->Combo2->currentIndex()),
                     static_cast<std::int16_t>(Picture3->Combo3->currentIndex()),
                     static_cast<std::int16_t>(Picture3->Check4->isChecked() ? 1 : 0),
                     static_cast<std::int16_t>(Picture3->Check5->isChecked() ? 1 : 0)};
    c.courbeDuree = dureeSelectionnee();
    application.courbes.enrcourbe(c, ymax);
    makehisto();
    decrireGraphe();
}

} // namespace vedo
