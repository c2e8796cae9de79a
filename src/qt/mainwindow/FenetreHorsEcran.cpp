#include "mainwindow/FenetreHorsEcran.h"

#include "mainwindow/ChargementConfiguration.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace vedo {

std::optional<QString> lireOptionsFenetre(QStringList& arguments, OptionsFenetre& options) {
    options.etatFinal = arguments.removeAll("--final") > 0;
    options.agrandi = arguments.removeAll("--enlarged") > 0;
    if (const int config = arguments.indexOf("--config"); config >= 0) {
        if (config + 1 >= arguments.size())
            return QString("L'option --config attend un fichier de configuration.");
        options.configuration = arguments.at(config + 1);
        arguments.remove(config, 2);
        if (!QFileInfo(options.configuration).isFile())
            return "Fichier de configuration introuvable : " + options.configuration;
    }
    const int position = arguments.indexOf("--tab");
    if (position < 0) return std::nullopt;
    bool lu = false;
    const int onglet = position + 1 < arguments.size() ? arguments.at(position + 1).toInt(&lu) : 0;
    if (!lu || onglet < 1 || onglet > 5) return QString("L'option --tab attend un numéro d'onglet de 1 à 5.");
    options.onglet = onglet;
    arguments.remove(position, 2);
    return std::nullopt;
}

SessionHorsEcran::SessionHorsEcran(const OptionsFenetre& options) {
    prompteur_.echo = true;
    fenetre_ = std::make_unique<FeuilleP>(etat_);
    FeuilleP* fenetre = fenetre_.get();
    // The first activation follows the first show.
    fenetre->show();
    QApplication::processEvents();
    if (!options.configuration.isEmpty()) {
        etat_.fichcourant = QDir::toNativeSeparators(QFileInfo(options.configuration).absoluteFilePath());
        configurationChargee_ = chargeconfig(*fenetre);
    }
    if (options.onglet > 0) fenetre->choisirOnglet(options.onglet);
    if (options.etatFinal) fenetre->modele().Command3_Click();
    if (options.agrandi) fenetre->modele().Command12_Click();
    QApplication::processEvents();
}

// Unloading the window is the end of the session.
SessionHorsEcran::~SessionHorsEcran() {
    fenetre_.reset();
}

} // namespace vedo
