#include "platform/BoiteMessageQt.h"

#include <utility>

namespace vedo {

namespace {
constexpr std::pair<Icone, QMessageBox::Icon> icones[] = {
    {Icone::aucune, QMessageBox::NoIcon},         {Icone::information, QMessageBox::Information},
    {Icone::avertissement, QMessageBox::Warning}, {Icone::question, QMessageBox::Question},
    {Icone::critique, QMessageBox::Critical},
};
constexpr std::pair<Bouton, QMessageBox::StandardButton> boutons[] = {
    {Bouton::ok, QMessageBox::Ok},
    {Bouton::oui, QMessageBox::Yes},
    {Bouton::non, QMessageBox::No},
    {Bouton::annuler, QMessageBox::Cancel},
};
} // namespace

QMessageBox::Icon iconeQt(Icone icone) {
    for (const auto& [coeur, qt] : icones)
        if (coeur == icone) return qt;
    return QMessageBox::NoIcon;
}

Icone iconeDe(QMessageBox::Icon icone) {
    for (const auto& [coeur, qt] : icones)
        if (qt == icone) return coeur;
    return Icone::aucune;
}

QMessageBox::StandardButton boutonQt(Bouton bouton) {
    for (const auto& [coeur, qt] : boutons)
        if (coeur == bouton) return qt;
    return QMessageBox::NoButton;
}

Bouton boutonDe(QMessageBox::StandardButton bouton) {
    for (const auto& [coeur, qt] : boutons)
        if (qt == bouton) return coeur;
    return Bouton::aucun;
}

QMessageBox::StandardButtons boutonsQt(Boutons ensemble) {
    QMessageBox::StandardButtons qt;
    for (const auto& [coeur, b] : boutons)
        if (ensemble.contient(coeur)) qt |= b;
    return qt;
}

Boutons boutonsDe(QMessageBox::StandardButtons ensemble) {
    Boutons coeur;
    for (const auto& [c, qt] : boutons)
        if (ensemble.testFlag(qt)) coeur.bits |= Boutons(c).bits;
    return coeur;
}

} // namespace vedo
