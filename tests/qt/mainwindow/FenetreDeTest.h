#pragma once
// The main window loaded, shown and activated, its messages answered by a
// scripted prompter.

#include "mainwindow/FeuilleP.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>

#include <memory>

struct FenetreDeTest {
    vedo::ScriptedPrompter prompteur;
    vedo::ApplicationState etat{prompteur};
    std::unique_ptr<vedo::FeuilleP> fenetre;

    // `fichierEchange`: the suite's hand-over file the window uses (none when empty).
    explicit FenetreDeTest(const QString& fichierEchange = {}) {
        etat.fichierEchange = fichierEchange;
        fenetre = std::make_unique<vedo::FeuilleP>(etat);
        fenetre->show();
        QApplication::processEvents();
    }

    vedo::FeuilleP* operator->() { return fenetre.get(); }

    // Clicks the middle of a tab's title, as the user would.
    void choisirOnglet(int onglet) {
        auto* bande = fenetre->Onglets;
        bande->relacher((bande->bordsOnglets[onglet - 1] + bande->bordsOnglets[onglet]) / 2, 5);
    }
};
