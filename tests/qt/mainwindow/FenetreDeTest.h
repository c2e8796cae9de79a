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

    void choisirOnglet(int onglet) { fenetre->choisirOnglet(onglet); }
};
