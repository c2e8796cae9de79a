#include "BancExercice.h"
#include "EssaiCoeur.h"

#include "presentation/ModeleMenuExercice.h"

using namespace vedo;

namespace {

using Journal = std::vector<std::string>;
using M = ModeleMenuExercice;

// The menu over a bench holding an exercise, its texts and the
// getting-started activity, with an exercise open or not.
struct Essai : BancExercice {
    ModeleMenuExercice menu{*this, *this, *this, services()};

    explicit Essai(const char* ouvert = "") {
        FichierExercice e;
        e.enonce = "EXO.RTF";
        e.configuration = "EXO.C15";
        e.correction = "EXO_C.RTF";
        e.configurationCorrection = "EXO_C.C15";
        ajouter("/ecole/EXO.E39", e);
        e.correction = " ";
        ajouter("/ecole/SANS.E39", e);
        FichierExercice activite;
        activite.enonce = "PRISE.RTF";
        activite.configuration = "PRISE.C15";
        ajouter("/programme/ESTER.PEM", activite);
        textes = {"EXO.RTF", "EXO_C.RTF", "PRISE.RTF", "/ailleurs/NOTES.RTF"};
        fich = ouvert;
        correction = fich.ends_with(".E39");
    }

    ServicesMenuExercice services() {
        return {[this] { journal.push_back("fenêtre Exercices"); },
                [this](const std::string& c) { journal.push_back("ouvrir " + c); },
                [this] { journal.push_back("imprimer"); }};
    }
};

} // namespace

ESSAI(elementsActifs) {
    struct Ligne {
        const char* nom;
        const char* ouvert;
        bool correction, fermer;
    };
    essai::lignes<Ligne>({{"nothing open", "", false, false},
                          {"a corrected exercise open", "/ecole/EXO.E39", true, true},
                          {"a text reopened", "Texte: /ailleurs/NOTES.RTF", false, true}},
                         [](const Ligne& l) {
                             Essai e(l.ouvert);
                             const ElementsMenu elements = e.menu.elements();
                             COMPARE(elements.size(), M::legendes().size());
                             COMPARE(elements[M::opencor].actif, l.correction);
                             COMPARE(elements[M::Closexo].actif, l.fermer);
                             COMPARE(elements[M::openexo].legende,
                                     std::string("Ouvrir un exercice (énoncé + configuration)"));
                             for (int i : {M::separons1, M::separons2, M::separons3})
                                 COMPARE(elements[i].legende, std::string());
                             // No item or a disabled one: nothing happens.
                             for (int i : {-1, 10, int(M::separons1)})
                                 e.menu.executer(i);
                             for (std::size_t i = 0; i < elements.size(); ++i)
                                 if (!elements[i].actif) e.menu.executer(int(i));
                             COMPARE(e.journal, Journal{});
                         });
}

// Every command that replaces the text asks first once it was changed; a
// refusal changes nothing.
ESSAI(abandon) {
    struct Ligne {
        const char* nom;
        int element; // -1: an exercise handed over
        Bouton reponse;
        Journal journal;
    };
    const std::string question = "message Abandon des données?";
    essai::lignes<Ligne>(
        {
            {"open an exercise, refused", M::openexo, Bouton::annuler, {question}},
            {"open an exercise, accepted", M::openexo, Bouton::ok, {question, "fenêtre Exercices"}},
            {"see the correction, refused", M::opencor, Bouton::annuler, {question}},
            {"reopen a text, refused", M::opentexte, Bouton::annuler, {question}},
            {"close, refused", M::Closexo, Bouton::annuler, {question}},
            {"getting started, refused", M::PRISENMAIN, Bouton::annuler, {question}},
            {"handed over, refused", -1, Bouton::annuler, {question}},
            {"handed over, accepted", -1, Bouton::ok, {question, "ouvrir /ecole/EXO.E39"}},
        },
        [](const Ligne& l) {
            Essai e("/ecole/EXO.E39");
            e.modifie = true;
            e.reponsesMessages.push_back(l.reponse);
            e.reponsesFichiers.push_back("/ailleurs/NOTES.RTF");
            if (l.element < 0)
                COMPARE(e.menu.ouvrirExerciceTransmis("/ecole/EXO.E39"), l.reponse == Bouton::ok);
            else
                e.menu.executer(l.element);
            COMPARE(e.journal, l.journal);
            COMPARE(e.questions[0].icone, Icone::question);
            VERIFIE(e.demandesFichiers.empty());
        });
}

// The order of what each command does, and what it says when it cannot.
ESSAI(commandes) {
    struct Ligne {
        const char* nom;
        const char* ouvert;
        int element;
        std::vector<std::string> retires; // files and texts taken off the bench
        Journal journal;
    };
    essai::lignes<Ligne>(
        {
            {"getting started",
             "",
             M::PRISENMAIN,
             {},
             {"repexo /programme/", "texte PRISE.RTF", "fich /programme/ESTER.PEM", "sans correction",
              "configuration PRISE.C15", "texte non modifié"}},
            {"getting started not installed: nothing", "", M::PRISENMAIN, {"/programme/ESTER.PEM"},
             {"repexo /programme/"}},
            {"getting started without its text",
             "",
             M::PRISENMAIN,
             {"PRISE.RTF"},
             {"repexo /programme/", "texte PRISE.RTF", "message Erreur lors du chargement"}},
            {"the correction beside its exercise",
             "/ecole/EXO.E39",
             M::opencor,
             {},
             {"repexo /ecole/", "texte EXO_C.RTF", "texte non modifié", "configuration EXO_C.C15"}},
            {"a correction text missing", "/ecole/EXO.E39", M::opencor, {"EXO_C.RTF"},
             {"repexo /ecole/", "texte EXO_C.RTF", "message Fichier absent"}},
            {"the exercise gone since opened", "/ecole/EXO.E39", M::opencor, {"/ecole/EXO.E39"},
             {"repexo /ecole/", "message Lecture impossible"}},
            {"a blank correction text: its configuration only", "/ecole/SANS.E39", M::opencor, {},
             {"repexo /ecole/", "configuration EXO_C.C15"}},
            {"a text reopened",
             "",
             M::opentexte,
             {},
             {"sans correction", "texte choisi /ailleurs/NOTES.RTF", "fich Texte: natif:/ailleurs/NOTES.RTF",
              "texte non modifié"}},
            {"a text that cannot be read", "", M::opentexte, {"/ailleurs/NOTES.RTF"},
             {"sans correction", "texte choisi /ailleurs/NOTES.RTF", "message Erreur de lecture."}},
            {"closing", "/ecole/EXO.E39", M::Closexo, {}, {"fich ", "accueil", "sans correction", "texte non modifié"}},
            {"printing", "", M::imprimetexte, {}, {"imprimer"}},
        },
        [](const Ligne& l) {
            Essai e(l.ouvert);
            for (const std::string& r : l.retires) {
                e.disque.erase(r);
                e.textes.erase(std::remove(e.textes.begin(), e.textes.end(), r), e.textes.end());
            }
            e.reponsesFichiers.push_back("/ailleurs/NOTES.RTF");
            e.menu.executer(l.element);
            COMPARE(e.journal, l.journal);
            for (const auto& q : e.questions)
                if (q.genre == "message") COMPARE(q.icone, Icone::critique);
        });
}

ESSAI(enregistrement) {
    struct Ligne {
        const char* nom;
        std::optional<std::string> choisi;
        Bouton reponse; // to the overwrite question
        Journal journal;
    };
    const std::string ecraser = "message Ecraser le fichier?";
    const std::string erreur = "message Erreur d'écriture.";
    essai::lignes<Ligne>(
        {
            {"a new name gets the RTF extension", "/ecole/reponse", Bouton::ok,
             {"enregistrer /ecole/reponse.RTF", "texte non modifié"}},
            {"a final full stop is no extension", "/ecole/reponse.", Bouton::ok,
             {"enregistrer /ecole/reponse..RTF", "texte non modifié"}},
            {"an existing file, named in capitals, overwritten", "/ecole/ANCIEN.RTF", Bouton::ok,
             {ecraser, "enregistrer /ecole/ancien.rtf", "texte non modifié"}},
            {"an existing file kept", "/ecole/ancien.rtf", Bouton::annuler, {ecraser}},
            {"a folder of that name, without a question", "/ecole/dossier.rtf", Bouton::ok, {erreur}},
            {"a file that cannot be written", "/ecole/protege.rtf", Bouton::ok,
             {"enregistrer /ecole/protege.rtf", erreur}},
            {"no name chosen", std::nullopt, Bouton::ok, {}},
            {"an empty name", "", Bouton::ok, {}},
        },
        [](const Ligne& l) {
            Essai e("/ecole/EXO.E39");
            e.modifie = true;
            e.disque["/ecole/ancien.rtf"] = "ancien";
            e.dossiers.insert("/ecole/dossier.rtf");
            e.refusEcriture.push_back("/ecole/protege.rtf");
            e.reponsesFichiers.push_back(l.choisi);
            e.reponsesMessages.push_back(l.reponse);
            e.menu.executer(M::savetexte);
            COMPARE(e.journal, l.journal);
            COMPARE(e.modifie, e.journal.empty() || e.journal.back() != "texte non modifié");
            COMPARE(e.demandesFichiers.size(), std::size_t(1));
            COMPARE(e.demandesFichiers[0].titre, std::string("Enregistrer le contenu de la fenêtre exercice"));
            COMPARE(e.demandesFichiers[0].repertoire, std::string("/courant"));
            COMPARE(e.demandesFichiers[0].filtre, std::string("Texte au format RTF (*.RTF)"));
            VERIFIE(!e.demandesFichiers[0].confirmerEcrasement);
        });
}
