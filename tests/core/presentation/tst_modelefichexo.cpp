#include "BancExercice.h"
#include "EssaiCoeur.h"

#include "presentation/ModeleFichexo.h"

using namespace vedo;

namespace {

// The exercise window over a bench of its own, noting when its wait notice
// shows and when it closes.
struct Essai : BancExercice {
    ModeleFichexo modele{*this, *this, *this};

    Essai() {
        modele.actualise = [this](const EtatControle& e, bool immediat) {
            if (e.nom == "attente") journal.push_back(std::string(e.visible ? "montre" : "cache") + " attente" +
                                                      (immediat ? " aussitôt" : ""));
        };
        modele.fermer = [this] { journal.push_back("fermer"); };
    }

    bool visible(const char* nom) const { return modele.controle(nom)->visible; }
    const std::string& legende(const char* nom) const { return modele.controle(nom)->legende; }
};

FichierExercice exercice(bool corrige, const char* difficulte) {
    FichierExercice e;
    e.enonce = "EXO.RTF";
    e.configuration = "EXO.C15";
    if (corrige) e.correction = "EXO_C.RTF";
    e.difficulte = difficulte;
    e.notions = {"Équilibre", " et rendement", "", ""};
    e.titre = "  Estérification  ";
    e.dureeTravail = "2";
    return e;
}

} // namespace

ESSAI(apercu) {
    struct Ligne {
        const char* nom;
        const char* fichier; // the file clicked in /ecole/
        int allumees;
        const char* legende; // the caption under the stars; empty: the design's
        std::vector<std::string> messages;
    };
    essai::lignes<Ligne>(
        {
            {"a corrected exercise of difficulty 3", "CORRIGE.E39", 3, "Exercice corrigé", {}},
            {"an uncorrected one of difficulty 0", "NONCORRIGE.E39", 0, "Non corrigé", {}},
            {"a damaged file is told, its preview left empty", "ABIME.E39", -1, "Corrigé",
             {"Lecture impossible: Vérifier:\n- le nom du fichier,\n- l'état du lecteur."}},
            {"a file gone since listed is told alike", "ABSENT.E39", -1, "Corrigé",
             {"Lecture impossible: Vérifier:\n- le nom du fichier,\n- l'état du lecteur."}},
        },
        [](const Ligne& l) {
            Essai e;
            e.ajouter("/ecole/CORRIGE.E39", exercice(true, "3"));
            e.ajouter("/ecole/NONCORRIGE.E39", exercice(false, "0"));
            e.disque["/ecole/ABIME.E39"] = std::string(200, '\xff');
            e.modele.File1_Click("/ecole/", l.fichier);
            COMPARE(e.modele.fichierexo(), "/ecole/" + std::string(l.fichier));
            COMPARE(e.messages(), l.messages);
            const bool lu = l.allumees >= 0;
            COMPARE(e.legende("Corrige"), std::string(l.legende));
            COMPARE(e.legende("ombreCorrige"), std::string(l.legende));
            for (const char* nom : {"Corrige", "ombreCorrige", "etiquetteNotions", "etiquetteDifficulte", "ouvreur"})
                VERIFIE(e.visible(nom), nom);
            VERIFIE(!e.visible("selectionner"));
            for (int i = 0; i < 3; ++i) {
                const auto* etoile = e.modele.controle("etoile" + std::to_string(i));
                COMPARE(etoile->visible, lu);
                COMPARE(etoile->coche, i < l.allumees);
            }
            COMPARE(e.legende("titratexo"), std::string(lu ? "Estérification" : ""));
            COMPARE(e.legende("notions"), std::string(lu ? "Équilibre et rendement" : ""));
            COMPARE(e.legende("sabliers"), std::string(lu ? "⌛⌛" : ""));
            std::vector<std::string> journal = {"dossier courant /ecole/", "repexo /ecole/"};
            if (!lu) journal.push_back("message Lecture impossible");
            COMPARE(e.journal, journal);
        });
}

// What a name typed in the box previews: a blank one clears the preview
// without a word; the previous exercise's title and caption stay when the
// new one cannot be read.
ESSAI(apercuDuNomTape) {
    struct Ligne {
        const char* nom;
        const char* tape;
        bool ouvreur;
        const char* titre;
        std::size_t messages;
    };
    essai::lignes<Ligne>({{"blanks only, Unicode's among them", " \t\u3000 ", false, "Estérification", 0},
                          {"a file that cannot be read", "/ailleurs/X.E39", true, "Estérification", 1}},
                         [](const Ligne& l) {
                             Essai e;
                             e.ajouter("/ecole/EXO.E39", exercice(true, "2"));
                             e.modele.File1_Click("/ecole/", "EXO.E39");
                             e.modele.changer("fichierexo", l.tape);
                             e.modele.changer("titratexo", "ignoré");
                             e.modele.apercu();
                             COMPARE(e.modele.fichierexo(), std::string(l.tape));
                             COMPARE(e.visible("ouvreur"), l.ouvreur);
                             VERIFIE(!e.visible("etoile0"));
                             COMPARE(e.legende("notions"), std::string());
                             COMPARE(e.legende("titratexo"), std::string(l.titre));
                             COMPARE(e.legende("Corrige"), std::string("Exercice corrigé"));
                             COMPARE(e.modele.etoilesAllumees(), 2);
                             COMPARE(e.messages().size(), l.messages);
                         });
}

ESSAI(activation) {
    struct Ligne {
        const char* nom;
        const char* dejaNomme;
        const char* fichierexo;
    };
    essai::lignes<Ligne>({{"the first file previewed", "", "/ecole/A.E39"},
                          {"not again once the list's focus has", "/ecole/B.E39", "/ecole/B.E39"}},
                         [](const Ligne& l) {
                             Essai e;
                             e.modele.changer("fichierexo", l.dejaNomme);
                             e.modele.activation("/ecole/", "A.E39");
                             COMPARE(e.modele.fichierexo(), std::string(l.fichierexo));
                         });
}

// The order of what opening does, and the window closing whatever happened.
ESSAI(ouverture) {
    struct Ligne {
        const char* nom;
        const char* fichierexo;
        bool enonce; // the statement can be loaded
        std::vector<std::string> journal;
        std::vector<std::string> messages;
    };
    const std::vector<std::string> debut = {"montre attente aussitôt", "repexo /ecole/"};
    const auto puis = [&](std::vector<std::string> suite) {
        std::vector<std::string> j = debut;
        j.insert(j.end(), suite.begin(), suite.end());
        return j;
    };
    essai::lignes<Ligne>(
        {
            {"statement, file box, correction, configuration, flag, then closed", "/ecole/EXO.E39", true,
             puis({"texte EXO.RTF", "fich /ecole/EXO.E39", "correction offerte", "configuration EXO.C15",
                   "texte non modifié", "cache attente", "fermer"}),
             {}},
            {"a missing statement changes nothing else", "/ecole/EXO.E39", false,
             puis({"texte EXO.RTF", "message Fichier absent", "cache attente", "fermer"}),
             {"Fichier absent: Le fichier /ecole/EXO.RTF est introuvable"}},
            {"an unreadable exercise is told before anything is loaded", "/ecole/ABIME.E39", true,
             puis({"message Lecture impossible", "cache attente", "fermer"}),
             {"Lecture impossible: Vérifier:\n- le nom du fichier,\n- l'état du lecteur."}},
            {"a blank name opens nothing and the window stays", "  ", true, {}, {}},
        },
        [](const Ligne& l) {
            Essai e;
            e.ajouter("/ecole/EXO.E39", exercice(true, "1"));
            e.disque["/ecole/ABIME.E39"] = "court";
            if (l.enonce) e.textes.push_back("EXO.RTF");
            e.modele.changer("fichierexo", l.fichierexo);
            e.modele.ouvreur_Click();
            COMPARE(e.journal, l.journal);
            COMPARE(e.messages(), l.messages);
            for (const auto& q : e.questions)
                VERIFIE(q.icone == Icone::critique, q.titre);
            VERIFIE(!e.visible("attente"));
        });
}
