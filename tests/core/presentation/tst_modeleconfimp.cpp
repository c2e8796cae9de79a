#include "EssaiCoeur.h"

#include "presentation/ModeleConfimp.h"

using namespace vedo;

namespace {

// Services that note what the dialog asked for, in order, and answer as told.
struct Journal {
    std::vector<std::string> appels;
    bool prepare = true;
    bool imprime = true;
    std::string imprimante = "Fichier PDF";
    ChoixImpression choix;

    ServicesImpression services() {
        ServicesImpression s;
        s.nomImprimante = [this] { return imprimante; };
        s.reglerImprimante = [this] {
            appels.push_back("régler");
            imprimante = "Fichier PDF : /tmp/choisi.pdf";
        };
        s.preparer = [this] {
            appels.push_back("préparer");
            return prepare;
        };
        s.imprimer = [this](const ChoixImpression& c) {
            appels.push_back("imprimer");
            choix = c;
            return imprime;
        };
        s.signalerEchec = [this] { appels.push_back("échec"); };
        s.fermer = [this](bool ok) { appels.push_back(ok ? "fermer imprimé" : "fermer annulé"); };
        return s;
    }
};

} // namespace

ESSAI(defauts) {
    struct Ligne {
        const char* nom;
        bool tableau;
    };
    essai::lignes<Ligne>({{"with a table of values", true}, {"without one", false}}, [](const Ligne& l) {
        Journal j;
        ModeleConfimp m(j.services(), l.tableau);
        COMPARE(m.controle("defaut")->legende, std::string("Fichier PDF"));
        VERIFIE(m.controle("defaut")->lectureSeule);
        COMPARE(m.controle("Text1")->legende, std::string("Talvenore - Vedoriruvirivi"));
        COMPARE(m.controle("UpDown1")->valeur, 1);
        COMPARE(m.controle("UpDown1")->maximum, 99);
        COMPARE(m.controle("Check1(0)")->coche, true);
        COMPARE(m.controle("Check1(1)")->coche, true);
        COMPARE(m.controle("Check1(2)")->coche, false);
        COMPARE(m.controle("Check1(2)")->actif, l.tableau);
        VERIFIE(m.controle("Command1")->parDefaut);
        VERIFIE(!m.controle("frame2")->visible);
        VERIFIE(j.appels.empty());
    });
}

// The order of effects of each button, and what is printed.
ESSAI(boutons) {
    struct Ligne {
        const char* nom;
        bool prepare, imprime;
        const char* bouton;
        std::vector<std::string> appels;
        bool attenteVisible;
    };
    essai::lignes<Ligne>(
        {
            {"OK prints once prepared, then closes", true, true, "Command1",
             {"préparer", "imprimer", "fermer imprimé"}, true},
            {"no file named: nothing printed, the dialog stays", false, true, "Command1", {"préparer"}, false},
            {"a refused job is told, the buttons back", true, false, "Command1",
             {"préparer", "imprimer", "échec"}, false},
            {"cancel closes without printing", true, true, "Command3", {"fermer annulé"}, false},
            {"the printer set-up", true, true, "Command2", {"régler"}, false},
            {"the waiting message is no button", true, true, "frame2", {}, false},
        },
        [](const Ligne& l) {
            Journal j;
            j.prepare = l.prepare;
            j.imprime = l.imprime;
            ModeleConfimp m(j.services(), true);
            m.cliquer(l.bouton);
            COMPARE(j.appels, l.appels);
            COMPARE(m.controle("frame2")->visible, l.attenteVisible);
            COMPARE(m.controle("Command1")->visible, !l.attenteVisible);
        });
}

ESSAI(choixImprimes) {
    Journal j;
    ModeleConfimp m(j.services(), false);
    std::vector<std::string> vus;
    m.actualise = [&vus](const EtatControle& e, bool immediat) {
        vus.push_back(e.nom + (e.visible ? "+" : "-") + (immediat ? "!" : ""));
    };
    m.changer("Text1", std::string("TP estérification"));
    m.changer("UpDown1", 150);
    m.cocher("Check1(0)", false);
    m.cocher("Check1(2)", true); // disabled without a table
    m.changer("defaut", std::string("autre")); // read-only
    m.cliquer("Command2");
    COMPARE(m.controle("defaut")->legende, std::string("Fichier PDF : /tmp/choisi.pdf"));
    m.cliquer("Command1");
    COMPARE(j.choix.titre, std::string("TP estérification"));
    COMPARE(j.choix.exemplaires, 99);
    COMPARE(j.choix.animation, false);
    COMPARE(j.choix.graphe, true);
    COMPARE(j.choix.tableau, false);
    // The count held to its bound, the name, then the buttons hidden and the
    // waiting message shown at once, before the printing.
    COMPARE(vus, (std::vector<std::string>{"UpDown1+", "defaut+", "Command1-", "Command2-", "Command3-", "Frame1-",
                                           "frame2+!"}));
}
