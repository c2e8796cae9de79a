#include "EssaiCoeur.h"
#include "FenetreEssai.h"

#include "engine/Reaction.h"
#include "presentation/ModeleFeuilleP.h"

using namespace vedo;

// The rules see the settings exactly as the panels hold them.
ESSAI(conditionsDesReglages) {
    struct Ligne {
        const char* nom;
        void (*regler)(Configuration&);
        Conditions attendues;
    };
    essai::lignes<Ligne>(
        {
            {"the start-up settings", [](Configuration&) {}, {0, 0, 200, 0, 0, -1}},
            {"a tertiary alcohol at 85 degrees with the catalyst",
             [](Configuration& c) {
                 c.classeAlcool = 2;
                 c.temperature = 850;
                 c.catalyseur = true;
             },
             {0, 2, 850, 1, 0, -1}},
            {"the ester distilled off from reaction 3",
             [](Configuration& c) {
                 c.reaction = 2;
                 c.distiller = true;
                 c.especeVolatile = 2;
             },
             {2, 0, 200, 0, 1, 2}},
            {"a species chosen without distilling stays chosen", [](Configuration& c) { c.especeVolatile = 3; },
             {0, 0, 200, 0, 0, 3}},
        },
        [](const Ligne& l) {
            essai::FenetreEssai f;
            ModeleFeuilleP& m = f.modele;
            l.regler(m.reglages);
            const Conditions c = m.conditions();
            COMPARE(c.reaction, l.attendues.reaction);
            COMPARE(c.classeAlcool, l.attendues.classeAlcool);
            COMPARE(c.temperature, l.attendues.temperature);
            COMPARE(c.catalyseur, l.attendues.catalyseur);
            COMPARE(c.distillation, l.attendues.distillation);
            COMPARE(c.especeVolatile, l.attendues.especeVolatile);
        });
}

// The selector's tag follows its position only once it has moved.
ESSAI(dureeDuSelecteur) {
    struct Ligne {
        const char* nom;
        int position;
        bool change;
        std::int32_t secondes;
    };
    essai::lignes<Ligne>(
        {
            {"before any change the tag is empty", 11, false, 0},
            {"the start-up position", 11, true, 600},
            {"the top of the selector", 1, true, 720000},
            {"the bottom of the selector", 16, true, 20},
        },
        [](const Ligne& l) {
            essai::FenetreEssai f(false);
            ModeleFeuilleP& m = f.modele;
            m.reglages.positionDuree = static_cast<std::int16_t>(l.position);
            if (l.change) m.dureeChangee();
            COMPARE(m.dureeSelectionnee(), l.secondes);
        });
}

// A kept run is drawn again from what it stored: the amounts it started
// from, its colours and its settings, not what was typed since.
ESSAI(courbeTerminee) {
    essai::FenetreEssai f;
    ModeleFeuilleP& m = f.modele;
    m.reglages.couleurs = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456};
    m.reglages.reaction = 1;
    m.reglages.temperature = 450;
    m.reglages.classeAlcool = 1;
    m.reglages.especeVolatile = 3;
    m.reglages.distiller = true;
    m.reglages.catalyseur = true;
    m.reglages.positionDuree = 16;
    m.dureeChangee();
    m.n0 = {0.5, 0.25, 0, 0};
    m.n = {0.1, 0.2, 0.3, 0.4};
    const CourbeConservee c = m.courbeTerminee();
    for (std::size_t i = 1; i <= 4; ++i) {
        COMPARE(c.courbeQuantite[i], m.n0[i - 1]);
        COMPARE(c.courbeCouleur[i], static_cast<std::uint32_t>(m.reglages.couleurs[i - 1]));
    }
    const std::array<std::int16_t, 6> parametres{1, 450, 1, 3, 1, 1};
    VERIFIE(c.courbeParam == parametres);
    COMPARE(c.courbeDuree, 20);
}

// What each reaction shows of the panels.
ESSAI(reactionChoisie) {
    struct Ligne {
        const char* nom;
        std::int16_t reaction;
        bool catalyseur, classe;
    };
    essai::lignes<Ligne>(
        {
            {"the esterification", 0, true, true},
            {"the second reaction", 1, true, false},
            {"the hydrolysis", 2, true, true},
            {"the fourth reaction takes no catalyst", 3, false, false},
        },
        [](const Ligne& l) {
            essai::FenetreEssai f;
            ModeleFeuilleP& m = f.modele;
            m.reglages.reaction = l.reaction;
            m.reglages.catalyseur = true;
            m.Combo1_Click();
            COMPARE(m.catalyseurActif, l.catalyseur);
            COMPARE(m.reglages.catalyseur, l.catalyseur);
            COMPARE(f.vue.rang("reglage 27") >= 0, !l.catalyseur);
            for (std::size_t i = 1; i <= 4; ++i) COMPARE(m.nomEspece[i], nomsEspeces(l.reaction)[i - 1]);
            COMPARE(m.catalyseurPermis(), l.catalyseur);
            COMPARE(m.classeAlcoolVisible(), l.classe);
        });
}

ESSAI(effacerVisible) {
    struct Ligne {
        const char* nom;
        bool conserver;
        std::int16_t nbCourbes;
        bool visible;
    };
    essai::lignes<Ligne>(
        {
            {"runs kept and one stored", true, 0, true},
            {"runs kept and none stored", true, -1, false},
            {"runs stored but no longer kept", false, 3, false},
        },
        [](const Ligne& l) {
            essai::FenetreEssai f;
            ModeleFeuilleP& m = f.modele;
            m.reglages.conserverCourbes = l.conserver;
            f.courbes.nbCourbes = l.nbCourbes;
            COMPARE(m.effacerVisible(), l.visible);
        });
}
