#include "EssaiCoeur.h"

#include "common/NumberText.h"
#include "evaluator/Calculatrice.h"

#include <limits>
#include <string>
#include <vector>

using namespace vedo;

namespace {

struct Banc {
    double memoire = 0.0;
    Calculatrice calculatrice{memoire};
    int bips = 0;
    Banc() {
        calculatrice.bip = [this] { ++bips; };
    }
    void taper(const std::string& texte) {
        for (const char c : texte)
            calculatrice.frappe(c);
    }
    std::string affichage() const { return calculatrice.affichage(); }
    std::string saisie() const { return calculatrice.saisie(); }
};

} // namespace

ESSAI(bipSurErreur) {
    struct Ligne {
        const char* nom;
        std::string entree;
        int bips;
        const char* affiche;
    };
    essai::lignes<Ligne>({{"success is silent", "2+3", 0, " 5"},
                          {"parentheses", "(2", 1, "Erreur saisie: revoir les parenthèses"},
                          {"operators", "2^", 1, "Erreur saisie: incompréhension sur opérateurs: ^ * / + -"},
                          {"impossible", "0/0", 1, "Calcul impossible"},
                          {"number beyond the range", "1E999", 1, "Dépassement de capacité"}},
                         [](const Ligne& l) {
                             Banc banc;
                             banc.calculatrice.ajouter(l.entree);
                             banc.calculatrice.executer();
                             COMPARE(banc.bips, l.bips);
                             COMPARE(banc.affichage(), l.affiche);
                             COMPARE(banc.calculatrice.derniereReponse(), l.affiche);
                             // After an error the typed entry is kept for correction.
                             COMPARE(banc.saisie(), l.bips == 0 ? std::string() : l.entree);
                         });
}

// "ANS" must not take an overflow message for a number.
ESSAI(depassementEstUneErreur) {
    Banc banc;
    banc.calculatrice.ajouter("1E999");
    banc.calculatrice.executer();
    COMPARE(banc.calculatrice.erreur(), CodeErreur::calculImpossible);
    banc.calculatrice.toutEffacer();
    banc.calculatrice.reponse();
    COMPARE(banc.saisie(), "");
}

ESSAI(messageAttentePendantLeCalcul) {
    Banc banc;
    banc.calculatrice.ajouter("2+3");
    std::vector<std::string> vus;
    banc.calculatrice.executer([&] {
        vus.push_back(banc.affichage());
        return true;
    });
    VERIFIE(!vus.empty());
    COMPARE(vus.front(), "    Patience... Calculs en cours.     ");
    COMPARE(banc.affichage(), " 5");
}

ESSAI(memoireToujoursFinie) {
    Banc banc;
    banc.memoire = std::numeric_limits<double>::max();
    banc.calculatrice.ajouter("1E308");
    banc.calculatrice.executer();
    banc.calculatrice.ajouterMemoire();
    COMPARE(banc.memoire, std::numeric_limits<double>::max());
    banc.memoire = -std::numeric_limits<double>::max();
    banc.calculatrice.soustraireMemoire();
    COMPARE(banc.memoire, -std::numeric_limits<double>::max());
}

// Fifteen digits round the largest double beyond the range.
ESSAI(changementAffichageHorsDomaine) {
    Banc banc;
    banc.calculatrice.ajouter("1.7976931348623157E308");
    banc.calculatrice.executer();
    COMPARE(banc.affichage(), " 1.79769313486232E+308");
    banc.calculatrice.choisirAffichage(true);
    COMPARE(banc.affichage(), "Dépassement de capacité");
    COMPARE(banc.bips, 1);
}

ESSAI(effacement) {
    struct Ligne {
        const char* nom;
        const char* saisie;
        const char* reste;
    };
    essai::lignes<Ligne>({{"empty stays empty", "", ""},
                          {"last digit", "12", "1"},
                          {"spaced operator", "2 ^ ", "2"},
                          {"operator alone", " / ", ""},
                          {"word after an operator", "2 + invSIN ", "2 + "},
                          {"word after a parenthesis", "((log ", "(("},
                          {"word alone", "exp ", ""},
                          {"lone blank", " ", ""},
                          {"minus sign without blanks", "2 - -", "2 - "}},
                         [](const Ligne& l) {
                             Banc banc;
                             banc.calculatrice.ajouter(l.saisie);
                             banc.calculatrice.effacer();
                             COMPARE(banc.saisie(), l.reste);
                             COMPARE(banc.affichage(), l.reste);
                         });
}

ESSAI(frappes) {
    struct Ligne {
        std::string nom;
        char touche;
        bool connue;
    };
    std::vector<Ligne> tableau;
    for (const char c : std::string("0123456789.,EeDd()*+-/^\b"))
        tableau.push_back({std::string(1, c), c, true});
    for (const char c : std::string("xX =%!aS"))
        tableau.push_back({std::string(1, c), c, false});
    essai::lignes(tableau, [](const Ligne& l) {
        Banc banc;
        banc.taper("7");
        COMPARE(banc.calculatrice.frappe(l.touche), l.connue);
        if (!l.connue) COMPARE(banc.saisie(), "7");
    });
}

ESSAI(rappelMemoire) {
    struct Ligne {
        const char* nom;
        double memoire;
        bool scientifique;
        const char* texte;
    };
    essai::lignes<Ligne>({{"integer", 42.0, false, "42"},
                          {"negative", -2.5, false, "-2.5"},
                          {"small in exponent form", 0.00001, false, "1E-05"},
                          {"scientific", 1234.5, true, "1.2345E+03"},
                          {"scientific rounds to 8 digits", 1.0 / 3.0, true, "3.3333333E-01"}},
                         [](const Ligne& l) {
                             Banc banc;
                             banc.memoire = l.memoire;
                             banc.calculatrice.choisirAffichage(l.scientifique);
                             banc.calculatrice.rappelerMemoire();
                             COMPARE(banc.saisie(), l.texte);
                             // What is recalled evaluates to the value it shows.
                             banc.calculatrice.executer();
                             COMPARE(valeurEnTete(banc.calculatrice.affichage()), valeurEnTete(l.texte));
                         });
}
