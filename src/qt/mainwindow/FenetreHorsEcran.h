#pragma once
// The main window as the simulator shows it, built without a screen for the
// command-line tool: the same load and first activation, then the options
// applied as the user would (a tab clicked, ...).

#include "mainwindow/FeuilleP.h"
#include "platform/ScriptedPrompter.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace vedo {

struct OptionsFenetre {
    int onglet = 0;         // 1..5, 0 leaves the start-up tab
    bool etatFinal = false; // "État final" clicked
    bool agrandi = false;   // then "Agrandir" clicked
    QString configuration;  // a ".C15" file opened first, as the open dialog would
};

// Takes the window options out of `arguments`; a French message when one is wrong.
std::optional<QString> lireOptionsFenetre(QStringList& arguments, OptionsFenetre& options);

// The application with its window, loaded, shown and activated, the options
// applied. Every message is answered with its default button and echoed on
// stderr as "title: text".
class SessionHorsEcran {
public:
    explicit SessionHorsEcran(const OptionsFenetre& options);
    ~SessionHorsEcran();

    FeuilleP& fenetre() { return *fenetre_; }
    // False when the configuration asked for was refused or read only in part.
    bool configurationChargee() const { return configurationChargee_; }

private:
    ScriptedPrompter prompteur_;
    ApplicationState etat_{prompteur_};
    std::unique_ptr<FeuilleP> fenetre_;
    bool configurationChargee_ = true;
};

} // namespace vedo
