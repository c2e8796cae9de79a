#pragma once
// The main window's model with no shell: its graph drawn on a recording
// surface, its timer ticked by hand, its questions scripted, and a log of
// what it asked the shell to show, in order.

#include "drawing/SurfaceEnregistree.h"
#include "engine/Durations.h"
#include "platform/QuestionsScriptees.h"
#include "presentation/ModeleFeuilleP.h"

#include <algorithm>
#include <string>
#include <vector>

namespace essai {

class MinuterieManuelle : public vedo::Minuterie {
public:
    void demarrer(int millisecondes) override {
        enMarche_ = true;
        intervalle = millisecondes;
    }
    void arreter() override { enMarche_ = false; }
    bool enMarche() const override { return enMarche_; }

    int intervalle = 0;

private:
    bool enMarche_ = false;
};

class VueEnregistree : public vedo::VueFeuilleP {
public:
    vedo::Toile& graphe() override { return toile; }
    int largeurGraphe() override { return largeur; }
    int hauteurGraphe() override { return hauteur; }
    void grapheDessine() override { noter("graphe"); }
    void placerOutilsGraphe() override { noter("outils"); }
    void tailleGrapheChangee() override {
        largeur = largeur == vedo::largeurGrapheNormal ? vedo::largeurGrapheAgrandi : vedo::largeurGrapheNormal;
        hauteur = hauteur == vedo::hauteurGrapheNormal ? vedo::hauteurGrapheAgrandi : vedo::hauteurGrapheNormal;
        noter("taille");
    }
    void dessinerAppareil(const std::function<void(vedo::Surface&, int, int)>& dessin) override {
        appareil.oublier();
        dessin(appareil, 361, 235);
        noter("appareil");
    }
    void decrireAppareil(const std::string& texte) override { descriptionAppareil = texte; }
    void afficherTableau() override { noter("tableau"); }
    void afficherLigneTableau(int ligne) override { noter("ligne " + std::to_string(ligne)); }
    void afficherHistorique(const std::vector<vedo::MorceauHistorique>& morceaux) override {
        historique = morceaux;
        noter("historique");
    }
    void decrireGraphe(const std::string& texte) override { description = texte; }
    void etatsChanges() override { noter("etats"); }
    void especesNommees() override { noter("especes"); }
    void reglageChange(int numero) override { noter("reglage " + std::to_string(numero)); }
    void reglagesAppliques(int dernier) override { noter("appliques " + std::to_string(dernier)); }
    vedo::CopiesPossibles copiesPossibles() override { return possibles; }
    void copier(vedo::ChoixCopie choix) override { noter("copier " + std::to_string(choix)); }
    void afficherInfo(const std::string& texte) override { noter("info " + texte); }

    // Where the first entry `quoi` stands in the log, or the last; -1 when
    // it is not there.
    int rang(const std::string& quoi) const {
        const auto it = std::find(journal.begin(), journal.end(), quoi);
        return it == journal.end() ? -1 : static_cast<int>(it - journal.begin());
    }
    int dernierRang(const std::string& quoi) const {
        const auto it = std::find(journal.rbegin(), journal.rend(), quoi);
        return it == journal.rend() ? -1 : static_cast<int>(journal.rend() - it - 1);
    }

    vedo::SurfaceEnregistree surface;
    vedo::Toile toile{surface};
    vedo::SurfaceEnregistree appareil;
    std::string descriptionAppareil;
    int largeur = vedo::largeurGrapheNormal;
    int hauteur = vedo::hauteurGrapheNormal;
    std::vector<std::string> journal;
    std::vector<vedo::MorceauHistorique> historique;
    std::string description;
    vedo::CopiesPossibles possibles{true, true, true, true, true};

private:
    // A run redraws the graph often: one entry for a row of them.
    void noter(const std::string& quoi) {
        if (quoi == "graphe" && !journal.empty() && journal.back() == quoi) return;
        journal.push_back(quoi);
    }
};

class PressePapiersEnregistre : public vedo::PressePapiers {
public:
    void copierTexte(const std::string& texte) override { textes.push_back(texte); }
    std::vector<std::string> textes;
};

// As the window's load leaves it: the first reaction, the duration selector
// moved to its start-up position, then "Retour état initial"; or, with
// `charger` false, as built, before the load.
struct FenetreEssai {
    explicit FenetreEssai(bool charger = true) {
        if (!charger) return;
        modele.Combo1_Click();
        modele.reglages.positionDuree = vedo::positionDureeDemarrage;
        modele.dureeChangee();
        modele.Command9_Click();
        vue.journal.clear();
    }

    vedo::KeptRuns courbes;
    VueEnregistree vue;
    MinuterieManuelle minuterie;
    vedo::QuestionsScriptees questions;
    PressePapiersEnregistre pressePapiers;
    vedo::ModeleFeuilleP modele{courbes, vue, minuterie, questions, pressePapiers};
};

} // namespace essai
