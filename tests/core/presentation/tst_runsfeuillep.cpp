// The main window driven with no shell: its runs, its kept runs and the
// questions it asks, in the order of their effects.

#include "EssaiCoeur.h"
#include "FenetreEssai.h"

#include <cstring>
#include <functional>
#include <sstream>

using namespace vedo;
using essai::FenetreEssai;

namespace {

int entreesHistorique(const FenetreEssai& f) {
    return static_cast<int>(std::count_if(f.vue.historique.begin(), f.vue.historique.end(), [](const auto& m) {
        return m.police == MorceauHistorique::Police::symbole;
    }));
}

// Ticks the animated run until it ends; false when it does not end.
bool animerJusquAuBout(FenetreEssai& f) {
    for (int i = 0; i < 100000 && f.minuterie.enMarche(); ++i)
        f.modele.Timer1_Timer();
    return !f.minuterie.enMarche();
}

int traitsDessines(const FenetreEssai& f) {
    const auto& appels = f.vue.surface.appels();
    return static_cast<int>(
        std::count_if(appels.begin(), appels.end(), [](const std::string& a) { return a.rfind("trait", 0) == 0; }));
}

} // namespace

ESSAI(runsEtCourbesConservees) {
    struct Ligne {
        const char* nom;
        bool conserver;
        std::function<void(FenetreEssai&)> gestes;
        int nbCourbes;
        bool effacer;
        bool enAnimation;
    };
    auto etatFinal = [](FenetreEssai& f) { f.modele.Command3_Click(); };
    essai::lignes<Ligne>(
        {
            {"nothing stored after the load", false, [](FenetreEssai&) {}, -1, false, false},
            {"État final stores the run in slot 0", false, etatFinal, 0, false, false},
            {"a run not kept replaces the one before", false,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 etatFinal(f);
             },
             0, false, false},
            {"kept runs pile up and show Effacer", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 etatFinal(f);
             },
             1, true, false},
            {"Retour état initial forgets the run just kept", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 etatFinal(f);
                 f.modele.Command9_Click();
             },
             0, true, false},
            {"Effacer forgets every kept run", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 f.modele.Command6_Click();
             },
             -1, false, false},
            {"the window made active again forgets the kept runs but not the graph", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 const std::size_t traces = f.modele.dessinGraphe.traces().size();
                 f.modele.Form_Activate(1);
                 COMPARE(f.modele.dessinGraphe.traces().size(), traces);
                 f.modele.makehisto();
             },
             -1, true, false},
            {"unticking Conserver les courbes forgets the kept runs", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 etatFinal(f);
                 f.modele.reglages.conserverCourbes = false;
                 f.vue.journal.clear();
                 f.modele.Check2_Click();
                 VERIFIE(f.vue.rang("tableau") >= 0);
             },
             -1, false, false},
            {"Début de la réaction sets the timer going", false, [](FenetreEssai& f) { f.modele.Command5_Click(); },
             -1, false, true},
            {"the animated run stores itself at its end", true,
             [](FenetreEssai& f) {
                 f.modele.Command5_Click();
                 VERIFIE(animerJusquAuBout(f));
             },
             0, true, false},
            {"Retour état initial during an animation keeps the kept run", true,
             [&](FenetreEssai& f) {
                 etatFinal(f);
                 f.modele.Command5_Click();
                 for (int i = 0; i < 3; ++i) f.modele.Timer1_Timer();
                 f.modele.Command9_Click();
             },
             0, true, false},
            {"State final during an animation stops it", false,
             [&](FenetreEssai& f) {
                 f.modele.Command5_Click();
                 f.modele.Timer1_Timer();
                 etatFinal(f);
             },
             0, false, false},
        },
        [](const Ligne& l) {
            FenetreEssai f;
            f.modele.reglages.conserverCourbes = l.conserver;
            l.gestes(f);
            COMPARE(f.courbes.nbCourbes, l.nbCourbes);
            COMPARE(f.modele.effacerMontre, l.effacer);
            COMPARE(f.modele.enAnimation(), l.enAnimation);
            if (l.enAnimation) COMPARE(f.minuterie.intervalle, 100);
            COMPARE(entreesHistorique(f), l.nbCourbes + 1);
            VERIFIE(f.vue.description.find(std::to_string(l.nbCourbes + 1)) != std::string::npos ||
                        l.nbCourbes < 0,
                    f.vue.description);
        });
}

// "État final": the table is prepared before the run writes its rows, the
// run is stored once drawn, and its last row is the final state.
ESSAI(ordreEtatFinal) {
    FenetreEssai f;
    f.modele.reglages.quantites[3] = "0,05";
    f.modele.Command3_Click();
    COMPARE(f.modele.n0[3], 0.05f);
    // Both rate constants of the run stay in the run state, for the tangents.
    VERIFIE(f.modele.kDirect > 0 && f.modele.kInverse > 0);
    const int derniere = f.modele.tableau.nombreLignes() - 1;
    const auto& journal = f.vue;
    VERIFIE(journal.rang("tableau") >= 0);
    VERIFIE(journal.rang("tableau") < journal.rang("ligne 1"));
    VERIFIE(journal.rang("ligne " + std::to_string(derniere)) < journal.dernierRang("historique"));
    COMPARE(journal.journal.back(), std::string("etats"));
    const LigneTableau& fin = f.modele.tableau.ligne(derniere);
    for (std::size_t c = 1; c <= 4; ++c)
        COMPARE(fin[c], texteCellule(f.modele.n[c - 1]));
    VERIFIE(traitsDessines(f) > 0);
}

ESSAI(questionsDeLaFenetre) {
    struct Ligne {
        const char* nom;
        // Returns how many lines the graph held when the question was asked.
        std::function<std::size_t(FenetreEssai&)> gestes;
        std::string question; // as the script saw it: kind, title, text
        std::size_t tangentes; // lines the answer drew
    };
    auto tangenteDemandee = [](std::optional<int> reponse) {
        return [reponse](FenetreEssai& f) {
            f.modele.reglages.conserverCourbes = true;
            f.modele.Command3_Click();
            VERIFIE(f.modele.Picture2_MouseMove(200, 100).has_value());
            if (reponse) f.questions.reponsesMenus.push_back(*reponse);
            const std::size_t avant = f.modele.dessinGraphe.traces().size();
            f.modele.Picture2_Click({10, 20});
            return avant;
        };
    };
    essai::lignes<Ligne>(
        {
            {"an amount over 10 mol is told",
             [](FenetreEssai& f) {
                 f.modele.reglages.quantites[0] = "20";
                 f.modele.Text1_LostFocus(0);
                 return f.modele.dessinGraphe.traces().size();
             },
             "message Dépassement de capacité La quantité de matière ne peut être supérieure à 10 mol", 0},
            {"an amount under 0,001 mol is told",
             [](FenetreEssai& f) {
                 f.modele.reglages.quantites = {"0", "0", "0", "0"};
                 f.modele.Text1_LostFocus(2);
                 return f.modele.dessinGraphe.traces().size();
             },
             "message Dépassement de capacité La quantité de matière ne peut être inférieure à 0,001 mol", 0},
            {"the tangent chosen from the graph's menu is drawn", tangenteDemandee(0),
             "menu  Tangente à la courbe", 4},
            {"the menu closed without a choice draws nothing", tangenteDemandee(std::nullopt),
             "menu  Tangente à la courbe", 0},
            {"the colour chosen becomes the curve's",
             [](FenetreEssai& f) {
                 f.questions.reponsesCouleurs.push_back(Couleur{0x12, 0x34, 0x56});
                 f.modele.Label4_Click(1);
                 COMPARE(f.modele.reglages.couleurs[1], 0x563412);
                 VERIFIE(f.vue.rang("reglage 10") >= 0);
                 return f.modele.dessinGraphe.traces().size();
             },
             "couleur  #ff00ff", 0},
            {"each kept run has its tangent in the menu",
             [](FenetreEssai& f) {
                 f.modele.reglages.conserverCourbes = true;
                 f.modele.Command3_Click();
                 f.modele.reglages.temperature = 800;
                 f.modele.Command3_Click();
                 VERIFIE(f.modele.Picture2_MouseMove(200, 100).has_value());
                 f.questions.reponsesMenus.push_back(1);
                 const std::size_t avant = f.modele.dessinGraphe.traces().size();
                 f.modele.Picture2_Click({10, 20});
                 return avant;
             },
             "menu  Tangente à la courbe n° 1|Tangente à la courbe n° 2", 4},
            {"the fourth swatch is the fourth species'",
             [](FenetreEssai& f) {
                 f.questions.reponsesCouleurs.push_back(Couleur{1, 2, 3});
                 f.modele.Label4_Click(3);
                 COMPARE(f.modele.reglages.couleurs[3], 0x030201);
                 return f.modele.dessinGraphe.traces().size();
             },
             "couleur  #00c000", 0},
            {"a swatch the window does not have asks nothing",
             [](FenetreEssai& f) {
                 f.modele.Label4_Click(4);
                 f.modele.Label4_Click(-1);
                 return f.modele.dessinGraphe.traces().size();
             },
             "", 0},
            {"a click off the plot area asks nothing",
             [](FenetreEssai& f) {
                 f.modele.Command3_Click();
                 VERIFIE(!f.modele.Picture2_MouseMove(0, 0).has_value());
                 f.modele.Picture2_Click({10, 20});
                 return f.modele.dessinGraphe.traces().size();
             },
             "", 0},
        },
        [](const Ligne& l) {
            FenetreEssai f;
            const std::size_t avant = l.gestes(f);
            COMPARE(f.modele.dessinGraphe.traces().size() - avant, l.tangentes);
            std::string posee;
            if (!f.questions.questions.empty()) {
                const auto& q = f.questions.questions.back();
                posee = q.genre + " " + q.titre + " " + q.texte;
            }
            COMPARE(posee, l.question);
        });
}

ESSAI(reglagesDuSuivi) {
    struct Ligne {
        const char* nom;
        std::function<void(FenetreEssai&)> gestes;
        std::function<void(const FenetreEssai&)> verifier;
    };
    auto duree20s = [](FenetreEssai& f) {
        f.modele.reglages.positionDuree = 16;
        f.modele.VScroll2_Change();
    };
    essai::lignes<Ligne>(
        {
            {"the table chosen covers the graph and disables the curve selectors",
             [](FenetreEssai& f) {
                 f.modele.reglages.representationGraphique = false;
                 f.modele.Option1_Click();
             },
             [](const FenetreEssai& f) {
                 VERIFIE(f.modele.tableauMontre);
                 VERIFIE(!f.modele.choixCourbesActifs);
             }},
            {"a duration changed when idle rebuilds the graph only", duree20s,
             [](const FenetreEssai& f) {
                 COMPARE(f.modele.duree, 20);
                 COMPARE(f.courbes.nbCourbes, -1);
                 COMPARE(f.vue.rang("tableau"), -1);
             }},
            {"a duration changed during an animation runs État final",
             [&](FenetreEssai& f) {
                 f.modele.Command5_Click();
                 f.modele.Timer1_Timer();
                 duree20s(f);
             },
             [](const FenetreEssai& f) {
                 VERIFIE(!f.modele.enAnimation());
                 COMPARE(f.courbes.nbCourbes, 0);
                 COMPARE(f.courbes.emplacement(0).courbeDuree, 20);
             }},
            {"the enlarged graph draws the finished run again at twice the scale",
             [](FenetreEssai& f) {
                 f.modele.Command3_Click();
                 const Quantites fin = f.modele.n;
                 f.modele.Command12_Click();
                 for (std::size_t i = 0; i < 4; ++i) COMPARE(texteCellule(f.modele.n[i]), texteCellule(fin[i]));
             },
             [](const FenetreEssai& f) {
                 COMPARE(f.modele.facteurGraphe, 2);
                 COMPARE(std::string(f.modele.infoBulleCommand12()), std::string("Restaurer"));
                 VERIFIE(f.vue.dernierRang("taille") < f.vue.dernierRang("graphe"));
                 VERIFIE(!f.modele.dessinGraphe.traces().empty());
                 COMPARE(f.modele.dessinGraphe.largeur(), largeurGrapheAgrandi);
             }},
            {"enlarged twice the graph is back to its size",
             [](FenetreEssai& f) {
                 f.modele.Command12_Click();
                 f.modele.Command12_Click();
             },
             [](const FenetreEssai& f) {
                 COMPARE(f.modele.facteurGraphe, 1);
                 COMPARE(std::string(f.modele.infoBulleCommand12()), std::string("Agrandir"));
             }},
            {"more rows asked for prepares the table again",
             [](FenetreEssai& f) {
                 f.modele.reglages.defilementLignes = 10;
                 f.modele.VScroll3_Change();
             },
             [](const FenetreEssai& f) {
                 COMPARE(f.modele.tableau.nombreLignes(), 101);
                 COMPARE(f.vue.rang("tableau"), 0);
             }},
        },
        [](const Ligne& l) {
            FenetreEssai f;
            l.gestes(f);
            l.verifier(f);
        });
}

// A configuration loaded: its records applied in order, then the reset;
// a file not read whole is told, and what came before the error stays.
ESSAI(configurationChargee) {
    Configuration fichier;
    fichier.quantites = {"1", "2", "0", "0"};
    fichier.reaction = 2;
    fichier.temperature = 500;
    fichier.conserverCourbes = true;
    fichier.catalyseur = true;
    struct Ligne {
        const char* nom;
        LectureConfiguration lecture;
        bool charge;
        int dernierApplique; // 1: none
        std::string message;
        bool pendantAnimation = false;
    };
    const LectureConfiguration entiere = decoderConfiguration(*coderConfiguration(fichier));
    LectureConfiguration etrangere;
    etrangere.erreur = ErreurConfiguration::fichierNonValide;
    etrangere.configuration = fichier;
    LectureConfiguration interrompue = entiere;
    interrompue.erreur = ErreurConfiguration::lectureImpossible;
    interrompue.dernierEnregistrementLu = 6;
    essai::lignes<Ligne>(
        {
            {"a whole file", entiere, true, 27, ""},
            {"a whole file while a run is animated", entiere, true, 27, "", true},
            {"a file of another program", etrangere, false, 1,
             "Fichier non valide: Ce fichier ne correspond pas à cette application"},
            {"a file that cannot be read past the reaction", interrompue, false, 6,
             "Erreur lors du chargement du fichier: Lecture impossible sur disque"},
        },
        [&](const Ligne& l) {
            FenetreEssai f;
            f.modele.reglages.conserverCourbes = true;
            f.modele.Command3_Click();
            if (l.pendantAnimation) f.modele.Command5_Click();
            const Configuration avant = f.modele.reglages;
            f.vue.journal.clear();
            COMPARE(f.modele.chargeconfig(l.lecture), l.charge);
            for (const auto& e : tableConfiguration()) {
                const Configuration& attendue = e.numero <= l.dernierApplique ? fichier : avant;
                COMPARE(e.ecrire(f.modele.reglages), e.ecrire(attendue));
                COMPARE(f.vue.rang("reglage " + std::to_string(e.numero)) >= 0, e.numero <= l.dernierApplique);
            }
            if (l.dernierApplique > 1) {
                VERIFIE(f.vue.rang("reglage 2") < f.vue.rang("reglage " + std::to_string(l.dernierApplique)));
                VERIFIE(f.vue.rang("reglage " + std::to_string(l.dernierApplique)) <
                        f.vue.rang("appliques " + std::to_string(l.dernierApplique)));
            }
            // The reset comes after the settings, and only for a whole file.
            COMPARE(f.vue.rang("tableau") > f.vue.rang("appliques 27"), l.charge);
            COMPARE(f.courbes.nbCourbes, l.charge || l.pendantAnimation ? -1 : 0);
            COMPARE(f.modele.enAnimation(), !l.charge && l.pendantAnimation);
            const auto messages = f.questions.messages();
            COMPARE(messages.empty() ? std::string() : messages.back(), l.message);
        });
}

// Distilling heats to the maximum: the bar is told before the picture is described.
ESSAI(appareil) {
    struct Ligne {
        const char* nom;
        bool distiller;
        int temperature;
        bool imposee;
        const char* legende;
    };
    essai::lignes<Ligne>(
        {
            {"a water bath keeps its temperature", false, 505, false, "température : 50,5 °C."},
            {"distilling heats to the maximum", true, 200, true, "température : 100 °C."},
        },
        [](const Ligne& l) {
            FenetreEssai f;
            f.modele.reglages.distiller = l.distiller;
            f.modele.reglages.temperature = static_cast<std::int16_t>(l.temperature);
            f.modele.fondi();
            VERIFIE(!f.vue.appareil.appels().empty());
            COMPARE(f.vue.rang("reglage 15") > f.vue.rang("appareil"), l.imposee);
            COMPARE(f.modele.reglages.temperature, l.imposee ? 1000 : l.temperature);
            const std::string& d = f.vue.descriptionAppareil;
            VERIFIE(d.rfind("Montage : ", 0) == 0 && d.size() > std::strlen(l.legende) &&
                        d.compare(d.size() - std::strlen(l.legende), std::string::npos, l.legende) == 0,
                    d);
        });
}

// The animation reads the conditions at every tick: a hotter bath forms more ester.
ESSAI(animationAuxConditionsDuMoment) {
    FenetreEssai froid, chaud;
    for (FenetreEssai* f : {&froid, &chaud}) {
        f->modele.Command5_Click();
        f->modele.Timer1_Timer();
    }
    chaud.modele.reglages.temperature = 800;
    for (int i = 0; i < 20; ++i) {
        froid.modele.Timer1_Timer();
        chaud.modele.Timer1_Timer();
    }
    VERIFIE(chaud.modele.n[2] > froid.modele.n[2] * 1.5);
}

// The animated run ends where "État final" ends, at the digits the table shows.
ESSAI(animationJusquALEtatFinal) {
    FenetreEssai anime, direct;
    anime.modele.Command5_Click();
    VERIFIE(animerJusquAuBout(anime));
    direct.modele.Command3_Click();
    const int derniere = direct.modele.tableau.nombreLignes() - 1;
    for (std::size_t c = 0; c < colonnesTableau; ++c)
        COMPARE(anime.modele.tableau.ligne(derniere)[c], direct.modele.tableau.ligne(derniere)[c]);
}

// "Tracer en gras": the curves of the run drawn again two pixels wide.
ESSAI(traceGras) {
    struct Ligne {
        const char* nom;
        bool gras;
        const char* largeur;
    };
    essai::lignes<Ligne>({{"thin curves", false, "1"}, {"bold curves", true, "2"}}, [](const Ligne& l) {
        FenetreEssai f;
        f.modele.reglages.traceGras = l.gras;
        f.vue.surface.oublier();
        f.modele.Check1_Click();
        const auto& appels = f.vue.surface.appels();
        const auto trait = std::find_if(appels.rbegin(), appels.rend(),
                                        [](const std::string& a) { return a.rfind("trait", 0) == 0; });
        VERIFIE(trait != appels.rend());
        std::istringstream mots(*trait);
        std::string mot, de, a, couleur, largeur;
        mots >> mot >> de >> a >> couleur >> largeur;
        COMPARE(largeur, std::string(l.largeur));
    });
}

// "Co&pier": one menu, its table items in a sub-menu; what was chosen, if a
// person could choose it; then the confirmation, whatever the choice.
ESSAI(menuCopier) {
    struct Ligne {
        const char* nom;
        int reponse;
        CopiesPossibles possibles;
        std::vector<std::string> journal;
    };
    const std::string info =
        "info L'image est copiée : vous pouvez la retrouver depuis toute application Windows (coller)";
    const CopiesPossibles tout{true, true, true, true, true};
    essai::lignes<Ligne>(
        {
            {"the apparatus picture", cop001, tout, {"copier 0", info}},
            {"the table's cells, from the sub-menu, put as text by the model", cop0031, tout, {info}},
            {"the table saved", copEnregistrerTableau, tout, {"copier 5", info}},
            {"the menu closed", -1, tout, {info}},
            {"an item the menu does not have", 9, tout, {info}},
            {"the table's items while there is no table", cop0032, {true, true, false, true, true}, {info}},
            {"the graph's save while nothing was drawn", copEnregistrerGraphe, {true, true, true, false, true},
             {info}},
        },
        [](const Ligne& l) {
            FenetreEssai f;
            f.vue.possibles = l.possibles;
            f.questions.reponsesMenus.push_back(l.reponse);
            f.modele.Command4_Click({5, 6});
            COMPARE(f.vue.journal, l.journal);
            COMPARE(f.pressePapiers.textes.size(), std::size_t{l.reponse == cop0031 && l.possibles.tableau});
            COMPARE(f.questions.questions.size(), std::size_t{1});
            COMPARE(f.questions.questions[0].texte,
                    std::string("Copier l'animation|Copier le graphe|Copier le tableau"
                                "[Copier le contenu du tableau|Copier une image du tableau]"
                                "||Enregistrer le graphe…|Enregistrer le tableau…"));
        });
}

// The table's cells copied as text: every row of the table, the last one
// the final state, its cells between tabs.
ESSAI(contenuDuTableauCopie) {
    FenetreEssai f;
    f.modele.Command3_Click();
    f.questions.reponsesMenus.push_back(cop0031);
    f.modele.Command4_Click({0, 0});
    COMPARE(f.pressePapiers.textes.size(), std::size_t{1});
    const std::string& texte = f.pressePapiers.textes[0];
    const int lignes = f.modele.tableau.nombreLignes();
    COMPARE(static_cast<int>(std::count(texte.begin(), texte.end(), '\n')), lignes - 1);
    std::vector<std::string> cellules;
    std::istringstream derniere(texte.substr(texte.rfind('\n') + 1));
    for (std::string cellule; std::getline(derniere, cellule, '\t');) cellules.push_back(cellule);
    const LigneTableau& attendue = f.modele.tableau.ligne(lignes - 1);
    COMPARE(cellules, std::vector<std::string>(attendue.begin(), attendue.end()));
    VERIFIE(!cellules.back().empty());
}
