// Whole runs of the engine, alone and drawn on the graph picture as the
// desktop draws it: the core's drawing on the surface over a QImage.

#include "engine/RunLoop.h"
#include "platform/SurfaceImage.h"
#include "view/DessinGraphe.h"
#include "view/GraphPainter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace vedo;

namespace {

const CouleursCourbes couleurs = {Couleur{0, 0, 255}, Couleur{255, 0, 255}, Couleur{255, 0, 0},
                                  Couleur{0, 255, 0}};

struct SinkVide : RunSink {
    long points = 0;
    void premierPoint(const Quantites&) override {}
    void point(double, const Quantites&) override { ++points; }
    void ligne(int, const Quantites&) override {}
};

ParametresRun runDefaut() {
    ParametresRun p;
    p.duree = 600;
    p.dureeTableau = 600;
    p.remplirTableau = true;
    p.ymax = 0.1f;
    return p;
}

// A reactant nearly used up, the anhydride at 100 degC with the catalyst, 200 h.
ParametresRun runLent(Quantites& n) {
    n = {0.001, 9.0, 0.0, 0.0};
    ParametresRun p;
    p.duree = 720000;
    p.dureeTableau = 720000;
    p.conditions.reaction = 1;
    p.conditions.temperature = 1000;
    p.conditions.catalyseur = 1;
    p.remplirTableau = true;
    p.ymax = 9.0f;
    return p;
}

void BM_RunDefaut(benchmark::State& etat) {
    long points = 0;
    for (auto _ : etat) {
        Quantites n = {0.1, 0.1, 0, 0};
        SinkVide sink;
        ConstantesVitesse k;
        speed(n, runDefaut(), sink, k);
        points = sink.points;
    }
    etat.counters["pas"] = double(points);
}
BENCHMARK(BM_RunDefaut)->Unit(benchmark::kMicrosecond);

void BM_RunLent(benchmark::State& etat) {
    long points = 0;
    for (auto _ : etat) {
        Quantites n;
        const auto p = runLent(n);
        SinkVide sink;
        ConstantesVitesse k;
        speed(n, p, sink, k);
        points = sink.points;
    }
    etat.counters["pas"] = double(points);
}
BENCHMARK(BM_RunLent)->Unit(benchmark::kMillisecond);

// Argument 1: the drawing is also recorded for the graph's files, as the window does.
void BM_RunLentDessine(benchmark::State& etat) {
    QImage image(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
    SurfaceImage surface(image);
    DessinGraphe dessin;
    for (auto _ : etat) {
        Quantites n;
        const auto p = runLent(n);
        dessin.dessinerCadre(surface, image.width(), image.height(), {});
        PointsPrecedents prec;
        TraceurCourbes traceur(surface, {1, p.duree, p.ymax}, {true, true, true, true}, couleurs, 1, prec,
                               etat.range(0) == 1 ? &dessin : nullptr);
        ConstantesVitesse k;
        speed(n, p, traceur, k);
    }
}
BENCHMARK(BM_RunLentDessine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

KeptRuns onzeRuns() {
    KeptRuns store;
    for (int j = 0; j < nombreEmplacements; ++j) {
        store.nbCourbes = std::int16_t(j);
        CourbeConservee c;
        c.courbeQuantite = {0, 0.1 + 0.05 * j, 0.1, 0, 0};
        c.courbeParam = {std::int16_t(j % 4), std::int16_t(200 + 50 * j), std::int16_t(j % 3), -1, 0,
                         std::int16_t(j % 2)};
        c.courbeDuree = 600;
        for (int i = 1; i <= 4; ++i)
            c.courbeCouleur[i] = 0x0000FF * i;
        store.enrcourbe(c, 0.6f);
    }
    return store;
}

void BM_OnzeRunsConserves(benchmark::State& etat) {
    const KeptRuns store = onzeRuns();
    const int k = int(etat.range(0));
    QImage image = k == 1 ? QImage(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32)
                          : QImage(largeurGrapheAgrandi, hauteurGrapheAgrandi, QImage::Format_RGB32);
    SurfaceImage surface(image);
    CadreGraphe cadre;
    cadre.echelle = {k, 600, 0.6f};
    cadre.couleurs = couleurs;
    for (auto _ : etat) {
        dessinerCadre(surface, cadre);
        dessinerCourbesConservees(surface, cadre.echelle, cadre.affichees, 1, store);
    }
}
BENCHMARK(BM_OnzeRunsConserves)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_TickAnime(benchmark::State& etat) {
    QImage image(largeurGrapheNormal, hauteurGrapheNormal, QImage::Format_RGB32);
    image.fill(Qt::white);
    SurfaceImage surface(image);
    const auto p = runDefaut();
    Quantites n = {0.1, 0.1, 0, 0};
    EtatAnimation anim;
    PointsPrecedents prec;
    ConstantesVitesse k;
    for (auto _ : etat) {
        if (anim.tempsEcoule >= p.duree * 10) {
            n = {0.1, 0.1, 0, 0};
            anim = {};
        }
        TraceurCourbes traceur(surface, {1, p.duree, p.ymax}, {true, true, true, true}, couleurs, 1, prec);
        timerTick(n, anim, p, 50, traceur, k);
    }
}
BENCHMARK(BM_TickAnime)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts for the graph's texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
