#include "EssaiCoeur.h"

#include "presentation/ModeleMachine.h"

#include <sstream>

using namespace vedo;

namespace {

// Clicks the controls named in `script`, separated by blanks, as a student would.
void cliquer(ModeleMachine& m, const std::string& script) {
    std::istringstream noms(script);
    for (std::string nom; noms >> nom;) m.cliquer(nom);
}

} // namespace

ESSAI(clicsEtAffichage) {
    struct Ligne {
        const char* nom;
        const char* script;
        std::string affiche;
    };
    essai::lignes<Ligne>(
        {
            {"nothing clicked: the display shows nothing yet", "", ""},
            {"sum", "B2 plus B3 EXE", " 5"},
            {"a function key starts a factor after a number", "B2 bsin B3 B0 EXE", " 1"},
            {"radians chosen before the computation", "angle1 invcos B1 EXE", " 0"},
            {"scientific display rewrites the result", "B5 EXE C0", "5.E+00"},
            {"back to the standard display", "B5 EXE C0 C1", " 5"},
            {"an error is told in the display", "Bpo B2 EXE", Calculatrice::messageErreur(CodeErreur::parentheses)},
            {"a control the window does not have does nothing", "B7 nulle", "7"},
            {"a frame is not a key", "B7 Angles", "7"},
            {"M- takes the result off the memory", "B9 EXE Command1 B2 EXE Command2 Command3 EXE", " 7"},
        },
        [](const Ligne& l) {
            double memoire = 0.0;
            ModeleMachine m(memoire);
            cliquer(m, l.script);
            COMPARE(m.affichage(), l.affiche);
            COMPARE(m.controle("z1")->legende, m.affichage());
        });
}

ESSAI(clavier) {
    struct Ligne {
        const char* nom;
        const char* frappe;
        const char* affiche;
        bool acceptee; // the last character had a use
    };
    essai::lignes<Ligne>({{"sum and Enter", "2+3\r", " 5", true},
                          {"comma typed as the point", "1/0,25\r", " 4", true},
                          {"backspace", "2+3\b", "2 + ", true},
                          {"a letter without key is refused", "2x", "2", false}},
                         [](const Ligne& l) {
                             double memoire = 0.0;
                             ModeleMachine m(memoire);
                             bool acceptee = false;
                             for (const char* c = l.frappe; *c; ++c) acceptee = m.frapper(*c);
                             COMPARE(m.affichage(), std::string(l.affiche));
                             COMPARE(acceptee, l.acceptee);
                         });
}

// The shell is told of each change, the waiting message first and at once.
ESSAI(ordreDesChangements) {
    struct Ligne {
        const char* nom;
        const char* script;
        std::vector<std::string> changements;
    };
    const std::string attente(Calculatrice::messageAttente);
    essai::lignes<Ligne>(
        {
            {"a digit: the display", "B4", {"z1=4"}},
            {"EXE: the waiting message at once, then the result", "EXE", {"z1=" + attente + "!", "z1= 0"}},
            {"an option: the other of its frame unchecked, then the checked one", "angle1",
             {"angle0=0", "angle1=1"}},
            {"the display option also rewrites the display", "C0", {"C0=1", "C1=0", "z1=0.E+00"}},
            {"the option already checked: only the display, the last answer again", "C1", {"z1= 0"}},
        },
        [](const Ligne& l) {
            double memoire = 0.0;
            ModeleMachine m(memoire);
            std::vector<std::string> vus;
            m.actualise = [&vus](const EtatControle& e, bool immediat) {
                vus.push_back(e.nom + "=" +
                              (e.genre == GenreControle::option ? std::string(e.coche ? "1" : "0") : e.legende) +
                              (immediat ? "!" : ""));
            };
            cliquer(m, l.script);
            COMPARE(vus, l.changements);
        });
}

ESSAI(memoirePartageeEtBip) {
    double memoire = 0.0;
    {
        ModeleMachine premiere(memoire);
        cliquer(premiere, "B4 B2 EXE Command1");
    }
    COMPARE(memoire, 42.0);
    ModeleMachine seconde(memoire);
    int bips = 0;
    seconde.bip = [&bips] { ++bips; };
    cliquer(seconde, "B2 plus Command3 EXE");
    COMPARE(seconde.affichage(), std::string(" 44"));
    COMPARE(bips, 0);
    cliquer(seconde, "B2 multip multip EXE");
    COMPARE(bips, 1);
}

ESSAI(disposition) {
    double memoire = 0.0;
    ModeleMachine m(memoire);
    const Place fenetre{0, 0, ModeleMachine::largeur, ModeleMachine::hauteur};
    int touches = 0;
    for (const EtatControle& a : m.controles()) {
        if (a.genre == GenreControle::bouton) ++touches;
        if (a.genre == GenreControle::option) {
            VERIFIE(m.controle(a.cadre) && m.controle(a.cadre)->genre == GenreControle::cadre);
            continue;
        }
        VERIFIE(fenetre.contient(a.place));
        // Keys, frames and display side by side, none over another.
        for (const EtatControle& b : m.controles()) {
            if (&a == &b || b.genre == GenreControle::option) continue;
            const bool separes = a.place.x + a.place.largeur <= b.place.x || b.place.x + b.place.largeur <= a.place.x ||
                                 a.place.y + a.place.hauteur <= b.place.y || b.place.y + b.place.hauteur <= a.place.y;
            if (!separes) essai::echouer(__FILE__, __LINE__, a.nom + " overlaps " + b.nom);
        }
    }
    COMPARE(touches, 49);
    const Place zoneEncadree{82, 290, 125, 132};
    for (const char* nom : {"B0", "B1", "B5", "B9", "Bpoint", "BtoEXP"}) VERIFIE(zoneEncadree.contient(m.controle(nom)->place));
    COMPARE(m.controle("angle0")->coche, true);
    COMPARE(m.controle("C1")->coche, true);
    COMPARE(m.controle("Command1")->infoBulle, std::string("Ajouter à la mémoire"));
    COMPARE(m.controle("EXE")->famille, std::string("calcul"));
}

// Measured as if every character were as wide as the font's size in points.
ESSAI(policeAffichage) {
    struct Ligne {
        const char* nom;
        std::size_t caracteres;
        int points;
        bool gras;
    };
    essai::lignes<Ligne>({{"fits at 13 points", 20, 13, true},
                          {"just fits at 13 points", 21, 13, true},
                          {"10 points is still bold", 27, 10, true},
                          {"9 points is thin", 30, 9, false},
                          {"never below 7 points", 200, 7, false}},
                         [](const Ligne& l) {
                             const auto p = ModeleMachine::policeAffichage(
                                 std::string(l.caracteres, '1'), 273,
                                 [](const std::string& t, int points, bool) { return int(t.size()) * points; });
                             COMPARE(p.points, l.points);
                             COMPARE(p.gras, l.gras);
                         });
}
