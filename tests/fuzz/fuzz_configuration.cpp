// A configuration file of any bytes, opened in the main window offscreen as
// the open dialog opens it, then "État final", the enlarged graph and the
// table drawn. A hang is a finding: scripts/fuzz.sh gives each input one
// second (configuration.options).

#include "ControlesFeuilleP.h"
#include "ApplicationFuzz.h"
#include "engine/Durations.h"
#include "mainwindow/ChargementConfiguration.h"
#include "mainwindow/FeuilleP.h"
#include "platform/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {
// One window for the whole run: building it takes longer than an input may.
struct Session {
    vedo::ScriptedPrompter prompteur; // every message answered with its default button
    vedo::ApplicationState etat{prompteur};
    vedo::FeuilleP fenetre{etat};
};
Session* session = nullptr;

// "État final", then every picture drawn: the graph at both sizes and the table.
void toutDessiner(vedo::FeuilleP& fenetre) {
    controles(fenetre).Command3->click();
    fenetre.grab();
    controles(fenetre).Command12->click();
    fenetre.grab();
    controles(fenetre).Command12->click();
    controles(fenetre).Picture1->Option1[1]->click();
    fenetre.grab();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vedo::fuzz::creerApplication();
    session = new Session;
    session->fenetre.show();
    // The fonts and their caches are loaded once, before any input.
    toutDessiner(session->fenetre);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath("essai.C15");
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(donnees), static_cast<qint64>(taille));
    }
    vedo::FeuilleP& fenetre = session->fenetre;
    // Each input starts from the defaults and no kept run: a file read in
    // part keeps what came before it.
    fenetre.modele().appliquerReglages(vedo::Configuration{}, vedo::enregistrementsConfiguration);
    session->etat.courbes.effacer();
    fenetre.modele().Command9_Click();
    session->prompteur.questions.clear();
    session->etat.fichcourant = chemin;
    vedo::chargeconfig(fenetre);
    // With every curve hidden a run steps a hundredth of a second at a time:
    // bounded by the duration, but at 200 h far longer than an input may take.
    const auto& courbes = controles(fenetre).Picture1->option2;
    if (std::none_of(courbes.begin(), courbes.end(), [](const QCheckBox* c) { return c->isChecked(); }))
        controles(fenetre).Picture1->VScroll2->setValue(vedo::positionDureeDemarrage);
    toutDessiner(fenetre);
    return 0;
}
