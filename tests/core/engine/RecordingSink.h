#pragma once
// Records what a run reports, for the engine's tests.

#include "engine/RunLoop.h"

#include <vector>

struct RecordingSink : vedo::RunSink {
    struct Ligne {
        int ligne;
        double t;
        vedo::Quantites n;
    };
    std::vector<double> temps;
    std::vector<vedo::Quantites> points;
    std::vector<Ligne> lignes;
    int premiers = 0;

    void premierPoint(const vedo::Quantites& n) override {
        ++premiers;
        temps.push_back(0.0);
        points.push_back(n);
    }
    void point(double t, const vedo::Quantites& n) override {
        temps.push_back(t);
        points.push_back(n);
    }
    void ligne(int ligneTab, const vedo::Quantites& n) override {
        lignes.push_back({ligneTab, temps.back(), n});
    }
};
