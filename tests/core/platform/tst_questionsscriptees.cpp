#include "EssaiCoeur.h"

#include "platform/QuestionsScriptees.h"

using namespace vedo;

// The answer of a message box: the script's when it has one, else what
// Enter gives.
ESSAI(reponseMessage) {
    struct Ligne {
        const char* nom;
        Boutons boutons;
        Bouton parDefaut;
        std::deque<Bouton> script;
        Bouton attendu;
    };
    essai::lignes<Ligne>(
        {
            {"the script's answer first",
             Boutons{Bouton::ok, Bouton::annuler},
             Bouton::aucun,
             {Bouton::annuler},
             Bouton::annuler},
            {"the default button", Boutons{Bouton::oui, Bouton::non}, Bouton::non, {}, Bouton::non},
            {"else the first of the box, in its order",
             Boutons{Bouton::annuler, Bouton::non},
             Bouton::aucun,
             {},
             Bouton::non},
            {"yes before no", Boutons{Bouton::non, Bouton::oui}, Bouton::aucun, {}, Bouton::oui},
            {"no button at all: OK", Boutons(), Bouton::aucun, {}, Bouton::ok},
        },
        [](const Ligne& l) {
            QuestionsScriptees q;
            q.reponsesMessages = l.script;
            COMPARE(q.message(Icone::question, "Titre", "Texte", l.boutons, l.parDefaut), l.attendu);
            VERIFIE(q.reponsesMessages.empty(), "the answer is used up");
            COMPARE(q.questions.size(), std::size_t(1));
            COMPARE(q.questions[0].icone, Icone::question);
            VERIFIE(q.questions[0].boutons == l.boutons);
        });
}

// A menu answers only with an item a person could have picked.
ESSAI(choixMenu) {
    const ElementsMenu menu = {
        elementMenu("Copier", 1),
        elementMenu("Coller", 2, false),
        ElementMenu{},
        sousMenu("Tableau", {elementMenu("Contenu", 3), elementMenu("Image", 4, false)}),
        sousMenu("Graphe", {elementMenu("SVG", 5)}, false),
    };
    struct Ligne {
        const char* nom;
        std::deque<int> script;
        int attendu;
    };
    essai::lignes<Ligne>(
        {
            {"an enabled item", {1}, 1},
            {"a disabled item closes the menu", {2}, -1},
            {"the separator's choice is nothing", {-1}, -1},
            {"an item of an enabled sub-menu", {3}, 3},
            {"a disabled item of a sub-menu", {4}, -1},
            {"an item of a disabled sub-menu", {5}, -1},
            {"an item that is not there", {9}, -1},
            {"no answer scripted", {}, -1},
        },
        [&menu](const Ligne& l) {
            QuestionsScriptees q;
            q.reponsesMenus = l.script;
            COMPARE(q.menu(menu, {10, 20}), l.attendu);
            COMPARE(q.questions.back().texte,
                    std::string("Copier|Coller||Tableau[Contenu|Image]|Graphe[SVG]"));
        });
}

// What is recorded of each kind of question, and what it answers unscripted.
ESSAI(enregistrement) {
    QuestionFichier demande{"Ouvrir un exercice", "/home/élève", "TP.E39", "Exercices (*.E39)", false};
    struct Ligne {
        const char* nom;
        std::function<bool(QuestionsScriptees&)> poser; // whether the unscripted answer is none
        QuestionPosee attendue;
        std::size_t demandesFichiers;
    };
    essai::lignes<Ligne>(
        {
            {"message",
             [](QuestionsScriptees& q) {
                 return q.message(Icone::critique, "Aide", "Fichier introuvable", Bouton::ok,
                                  Bouton::aucun) == Bouton::ok;
             },
             {"message", "Aide", "Fichier introuvable", Icone::critique, Bouton::ok},
             0},
            {"colour, as its hexadecimal name",
             [](QuestionsScriptees& q) {
                 return !q.couleur({10, 11, 255});
             },
             {"couleur", "", "#0a0bff", Icone::aucune, {}},
             0},
            {"file to open, with where it starts",
             [&demande](QuestionsScriptees& q) { return !q.fichierAOuvrir(demande); },
             {"ouvrir", "Ouvrir un exercice", "/home/élève", Icone::aucune, {}},
             1},
            {"file to save",
             [&demande](QuestionsScriptees& q) { return !q.fichierAEnregistrer(demande); },
             {"enregistrer", "Ouvrir un exercice", "/home/élève", Icone::aucune, {}},
             1},
        },
        [&demande](const Ligne& l) {
            QuestionsScriptees q;
            VERIFIE(l.poser(q), "unscripted, the question is cancelled");
            COMPARE(q.questions.size(), std::size_t(1));
            const QuestionPosee& posee = q.questions[0];
            COMPARE(posee.genre, l.attendue.genre);
            COMPARE(posee.titre, l.attendue.titre);
            COMPARE(posee.texte, l.attendue.texte);
            COMPARE(posee.icone, l.attendue.icone);
            VERIFIE(posee.boutons == l.attendue.boutons);
            COMPARE(q.demandesFichiers.size(), l.demandesFichiers);
            for (const QuestionFichier& d : q.demandesFichiers) {
                COMPARE(d.nomPropose, demande.nomPropose);
                COMPARE(d.filtre, demande.filtre);
                COMPARE(d.confirmerEcrasement, false);
            }
        });
}

// The callback forms, on questions that can wait, deliver the scripted
// answer before they return, each answer to its own question.
ESSAI(reponsesDifferees) {
    struct Ligne {
        const char* nom;
        std::function<void(QuestionsScriptees&, std::string&)> poser;
        std::string attendu;
    };
    const QuestionFichier demande{"Enregistrer", "/tmp", "", "", true};
    essai::lignes<Ligne>(
        {
            {"message",
             [](QuestionsScriptees& q, std::string& recu) {
                 q.reponsesMessages = {Bouton::non};
                 q.messagePuis(Icone::question, "T", "?", Boutons{Bouton::oui, Bouton::non}, Bouton::oui,
                               [&recu](Bouton b) { recu = b == Bouton::non ? "non" : "autre"; });
             },
             "non"},
            {"menu",
             [](QuestionsScriptees& q, std::string& recu) {
                 q.reponsesMenus = {7};
                 q.menuPuis({elementMenu("Sept", 7)}, {}, [&recu](int c) { recu = std::to_string(c); });
             },
             "7"},
            {"colour",
             [](QuestionsScriptees& q, std::string& recu) {
                 q.reponsesCouleurs = {Couleur{1, 2, 3}};
                 q.couleurPuis(noir, [&recu](std::optional<Couleur> c) {
                     recu = c ? std::to_string(c->r + c->g + c->b) : "rien";
                 });
             },
             "6"},
            {"file to open",
             [&demande](QuestionsScriptees& q, std::string& recu) {
                 q.reponsesFichiers = {"/tmp/a.C15"};
                 q.fichierAOuvrirPuis(demande,
                                      [&recu](std::optional<std::string> n) { recu = n.value_or("rien"); });
             },
             "/tmp/a.C15"},
            {"file to save, cancelled",
             [&demande](QuestionsScriptees& q, std::string& recu) {
                 q.reponsesFichiers = {std::nullopt};
                 q.fichierAEnregistrerPuis(
                     demande, [&recu](std::optional<std::string> n) { recu = n.value_or("rien"); });
             },
             "rien"},
        },
        [](const Ligne& l) {
            QuestionsScriptees q;
            std::string recu = "pas de réponse";
            l.poser(q, recu);
            COMPARE(recu, l.attendu);
            COMPARE(q.questions.size(), std::size_t(1));
        });
}

// The messages as "title: text", the other questions left out.
ESSAI(messages) {
    QuestionsScriptees q;
    q.message(Icone::critique, "Erreur", "Valeur incorrecte", Bouton::ok, Bouton::aucun);
    q.couleur(blanc);
    q.message(Icone::question, "Quitter", "Enregistrer ?", Boutons{Bouton::oui, Bouton::non}, Bouton::aucun);
    COMPARE(q.messages(), (std::vector<std::string>{"Erreur: Valeur incorrecte", "Quitter: Enregistrer ?"}));
}

// Plain menus: choices are indices, the items enabled unless told.
ESSAI(menuSimple) {
    struct Ligne {
        const char* nom;
        std::vector<bool> actifs;
        std::vector<bool> attendus;
    };
    essai::lignes<Ligne>(
        {
            {"every item enabled by default", {}, {true, true, true}},
            {"as told", {false, true, false}, {false, true, false}},
            {"those not told stay enabled", {false}, {false, true, true}},
        },
        [](const Ligne& l) {
            const ElementsMenu m = menuSimple({"Un", "", "Trois"}, l.actifs);
            COMPARE(m.size(), std::size_t(3));
            for (std::size_t i = 0; i < m.size(); ++i) {
                COMPARE(m[i].choix, static_cast<int>(i));
                COMPARE(m[i].actif, static_cast<bool>(l.attendus[i]));
                VERIFIE(m[i].sousMenu.empty());
            }
            COMPARE(m[1].legende, std::string());
        });
}
