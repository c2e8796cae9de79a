#include "engine/RunLoop.h"

#include <limits>

namespace vedo {

namespace {

// The instant of table row `ligne`.
double instantLigne(int ligne, int nombreLignes, std::int32_t dureeTableau) {
    return static_cast<double>(ligne) / static_cast<double>(nombreLignes - 1) * dureeTableau;
}

// Steps from t until `fin` (the end of the run or of the tick), shortening
// each step to land on `fin` and, when the table is filled, on every row's
// instant. A step that had to be halved to keep the amounts positive does
// not write its row: the next one reaches it.
class Integrateur {
public:
    Integrateur(Quantites& n, const ParametresRun& p, ConstantesVitesse k, RunSink& sink,
                std::int16_t& ligneTab)
        : n_(n), p_(p), k_(k), sink_(sink), ligneTab_(ligneTab), echelle_(echellePas(p.ymax, n)) {}

    double pas() const { return pasTemps(n_, k_, echelle_, p_.duree); }

    // Shortens dt to `fin` and to the next row; true when the row is due.
    bool raccourcir(double t, double& dt, double fin) const {
        if (t + dt > fin) dt = fin - t;
        if (!p_.remplirTableau) return false;
        const double tTab = instantLigne(ligneTab_, p_.nombreLignes, p_.dureeTableau);
        if (t + dt >= tTab) {
            dt = tTab - t;
            return true;
        }
        return false;
    }

    // Steps on while t < duree and t < finTick.
    void avancer(double& t, double dt, bool echant, double finTick) {
        for (;;) {
            const EtapeFaite faite = etapeIntegration(n_, k_, dt, p_.conditions);
            t += faite.dt;
            sink_.point(t, n_);
            if (p_.remplirTableau && echant && !faite.raccourcie) {
                sink_.ligne(ligneTab_, n_);
                if (ligneTab_ < std::numeric_limits<std::int16_t>::max()) ++ligneTab_;
            }
            if (!(t < p_.duree && t < finTick)) return;
            dt = pas();
            echant = raccourcir(t, dt, std::min<double>(p_.duree, finTick));
        }
    }

private:
    Quantites& n_;
    const ParametresRun& p_;
    ConstantesVitesse k_;
    RunSink& sink_;
    std::int16_t& ligneTab_;
    float echelle_; // from the amounts the run, or the tick, starts from
};

} // namespace

void speed(Quantites& n, const ParametresRun& p, RunSink& sink, ConstantesVitesse& k) {
    if (p.duree == 0) return;
    distiller(n, p.conditions);
    k = constantesVitesse(p.conditions);
    double t = 0.0;
    std::int16_t ligneTab = 1;
    if (t >= p.duree) return;
    Integrateur integrateur(n, p, k, sink, ligneTab);
    double dt = integrateur.pas();
    const bool echant = integrateur.raccourcir(t, dt, p.duree);
    sink.premierPoint(n);
    integrateur.avancer(t, dt, echant, std::numeric_limits<double>::infinity());
}

Tick direct(Quantites& n, EtatAnimation& etat, const ParametresRun& p, std::int32_t vitesse, RunSink& sink,
            ConstantesVitesse& k) {
    if (p.duree == 0) return Tick::rien;
    distiller(n, p.conditions);
    k = constantesVitesse(p.conditions);
    double t = etat.tempsEcoule / 10.0;
    if (t == 0.0) etat.ligneTab = 1;
    if (t >= p.duree) return Tick::terminee;
    const double finTick = (static_cast<double>(etat.tempsEcoule) + vitesse) / 10.0;
    Integrateur integrateur(n, p, k, sink, etat.ligneTab);
    double dt = integrateur.pas();
    if (t + dt > p.duree) dt = p.duree - t;
    const bool echant = integrateur.raccourcir(t, dt, finTick);
    if (t == 0.0) sink.premierPoint(n);
    integrateur.avancer(t, dt, echant, finTick);
    return Tick::avance;
}

Tick timerTick(Quantites& n, EtatAnimation& etat, const ParametresRun& p, std::int32_t vitesse, RunSink& sink,
               ConstantesVitesse& k) {
    const Tick tick = direct(n, etat, p, vitesse, sink, k);
    const std::int64_t suivant = static_cast<std::int64_t>(etat.tempsEcoule) + vitesse;
    if (suivant <= std::numeric_limits<std::int32_t>::max() &&
        suivant >= std::numeric_limits<std::int32_t>::min())
        etat.tempsEcoule = static_cast<std::int32_t>(suivant);
    return tick;
}

} // namespace vedo
