#include "EssaiCoeur.h"

#include "view/LectureCurseur.h"

#include <string>

using namespace vedo;

ESSAI(corners) {
    struct Ligne {
        const char* nom;
        int k;
        float x, y;
        double t;
        float n;
        std::string texte;
    };
    essai::lignes<Ligne>({{"top left", 1, 50.0f, 10.0f, 0.0, 2.0f, "t = 0 s ; n = 2 mol"},
                          {"bottom right", 1, 350.0f, 210.0f, 600.0, 0.0f, "t = 10 min 0 s ; n = 0 mol"},
                          {"middle", 1, 200.0f, 110.0f, 300.0, 1.0f, "t = 5 min 0 s ; n = 1 mol"},
                          {"enlarged top right", 2, 650.0f, 10.0f, 600.0, 2.0f, "t = 10 min 0 s ; n = 2 mol"},
                          {"enlarged bottom left", 2, 50.0f, 410.0f, 0.0, 0.0f, "t = 0 s ; n = 0 mol"},
                          {"a fraction of a mole", 1, 65.0f, 135.0f, 30.0, 0.75f, "t = 30 s ; n = 0,75 mol"}},
                         [](const Ligne& l) {
                             const auto lu = lireCurseur(l.x, l.y, l.k, 600, 2.0f);
                             VERIFIE(lu.has_value());
                             COMPARE(lu->t, l.t);
                             COMPARE(lu->n, l.n);
                             COMPARE(lu->texte, l.texte);
                         });
}

ESSAI(outsideThePlotArea) {
    struct Ligne {
        const char* nom;
        int k;
        float x, y;
    };
    essai::lignes<Ligne>({{"left of the amount axis", 1, 49.9f, 100.0f},
                          {"right of the plot", 1, 350.1f, 100.0f},
                          {"above", 1, 100.0f, 9.9f},
                          {"under the time axis", 1, 100.0f, 210.1f},
                          {"enlarged, right of the plot", 2, 650.5f, 100.0f},
                          {"enlarged, under the time axis", 2, 100.0f, 411.0f},
                          {"in the normal plot, right of the enlarged one", 1, 400.0f, 100.0f}},
                         [](const Ligne& l) {
                             VERIFIE(!dansZoneTrace(l.x, l.y, l.k));
                             VERIFIE(!lireCurseur(l.x, l.y, l.k, 600, 2.0f).has_value());
                         });
}

// 600 s over 300 pixels: two seconds a pixel.
ESSAI(cursorTimeRoundsHalvesToEven) {
    struct Ligne {
        const char* nom;
        float x;
        int tempsCurseur;
    };
    essai::lignes<Ligne>({{"0.5 s down to 0", 50.25f, 0},
                          {"1.5 s up to 2", 50.75f, 2},
                          {"2.5 s down to 2", 51.25f, 2},
                          {"0.7 s up to 1", 50.35f, 1}},
                         [](const Ligne& l) {
                             COMPARE(int(lireCurseur(l.x, 100.0f, 1, 600, 2.0f)->tempsCurseur),
                                     l.tempsCurseur);
                         });
}

ESSAI(readoutText) {
    struct Ligne {
        const char* nom;
        double t;
        float n;
        std::string texte;
    };
    essai::lignes<Ligne>({{"45 s", 45.0, 1.5f, "t = 45 s ; n = 1,5 mol"},
                          {"59.6 s reads 60 s, no minute", 59.6, 1.5f, "t = 60 s ; n = 1,5 mol"},
                          {"60 s is a minute", 60.0, 1.5f, "t = 1 min 0 s ; n = 1,5 mol"},
                          {"3600 s is an hour", 3600.0, 1.0f, "t = 1 h 0 s ; n = 1 mol"},
                          {"3725 s", 3725.0, 0.25f, "t = 1 h 2 min 5 s ; n = 0,25 mol"},
                          {"just under the hour", 3599.6, 1.0f, "t = 59 min 60 s ; n = 1 mol"},
                          {"whole hours", 7200.0, 1.0f, "t = 2 h 0 s ; n = 1 mol"},
                          {"200 h", 720000.0, 10.0f, "t = 200 h 0 s ; n = 10 mol"},
                          {"seven digits", 10.0, 1.234567f, "t = 10 s ; n = 1,234567 mol"},
                          {"tiny amount in exponent form", 10.0, 0.00001f, "t = 10 s ; n = 1E-05 mol"}},
                         [](const Ligne& l) { COMPARE(texteLecture(l.t, l.n), l.texte); });
}
