#pragma once
// The disk, the main window and the questions of the exercise commands,
// with no shell: the disk is a table of files, and the main window notes in
// one journal, with every message, what the commands change in it.

#include "platform/FichiersNommes.h"
#include "platform/QuestionsScriptees.h"
#include "presentation/FenetreExercice.h"
#include "records/FichierExercice.h"

#include <algorithm>
#include <map>
#include <set>

struct BancExercice : vedo::FichiersNommes, vedo::FenetreExercice, vedo::QuestionsScriptees {
    std::map<std::string, std::string> disque;
    std::set<std::string> dossiers;
    std::vector<std::string> textes; // the texts that can be loaded, by the names given
    std::vector<std::string> refusEcriture;
    std::vector<std::string> journal;
    std::string fich;
    bool correction = false;
    bool modifie = false;

    void ajouter(const std::string& chemin, const vedo::FichierExercice& e) { disque[chemin] = *coderExercice(e); }

    std::optional<vedo::DebutFichier> lireDebut(const std::string& nom, int nombre) override {
        const auto f = disque.find(nom);
        if (f == disque.end()) return std::nullopt;
        return vedo::DebutFichier{f->second.substr(0, std::size_t(nombre) * 128)};
    }
    std::string dossier(const std::string& nom) const override { return nom.substr(0, nom.rfind('/') + 1); }
    void changerDossierCourant(const std::string& d) override { journal.push_back("dossier courant " + d); }
    std::string dossierCourant() const override { return "/courant"; }
    bool existe(const std::string& nom) const override { return disque.count(nom) || dossiers.count(nom); }
    bool estDossier(const std::string& nom) const override { return dossiers.count(nom); }
    // Only the capitals of a name's end differ in these tests.
    std::string nomSurDisque(const std::string& nom) const override {
        for (const auto& [chemin, octets] : disque)
            if (chemin.size() == nom.size() && std::equal(chemin.begin(), chemin.end(), nom.begin(),
                                                          [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
                return chemin;
        return nom;
    }
    std::string natif(const std::string& nom) const override { return "natif:" + nom; }

    std::string fichier() const override { return fich; }
    bool correctionDisponible() const override { return correction; }
    bool texteModifie() const override { return modifie; }
    std::string repertoireApplication() const override { return "/programme/"; }
    void changerRepexo(const std::string& r) override { journal.push_back("repexo " + r); }
    bool chargerTexte(const std::string& nom) override { return charger("texte " + nom, nom); }
    bool chargerTexteChoisi(const std::string& chemin) override { return charger("texte choisi " + chemin, chemin); }
    void texteAccueil() override { journal.push_back("accueil"); }
    bool enregistrerTexte(const std::string& chemin) override {
        journal.push_back("enregistrer " + chemin);
        return std::find(refusEcriture.begin(), refusEcriture.end(), chemin) == refusEcriture.end();
    }
    void nommerFichier(const std::string& texte) override {
        fich = texte;
        journal.push_back("fich " + texte);
    }
    void offrirCorrection(bool oui) override {
        correction = oui;
        journal.push_back(oui ? "correction offerte" : "sans correction");
    }
    void chargerConfiguration(const std::string& nom) override { journal.push_back("configuration " + nom); }
    void texteNonModifie() override {
        modifie = false;
        journal.push_back("texte non modifié");
    }
    vedo::Bouton message(vedo::Icone icone, const std::string& titre, const std::string& texte, vedo::Boutons boutons,
                         vedo::Bouton parDefaut) override {
        journal.push_back("message " + titre);
        return QuestionsScriptees::message(icone, titre, texte, boutons, parDefaut);
    }

private:
    bool charger(const std::string& note, const std::string& nom) {
        journal.push_back(note);
        return std::find(textes.begin(), textes.end(), nom) != textes.end();
    }
};
