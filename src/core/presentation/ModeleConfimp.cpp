#include "presentation/ModeleConfimp.h"

#include <algorithm>

namespace vedo {

namespace {

EtatControle controleDe(const char* nom, GenreControle genre, const char* legende, const char* cadre = "") {
    EtatControle e;
    e.nom = nom;
    e.genre = genre;
    e.legende = legende;
    e.cadre = cadre;
    return e;
}

// The controls hidden while the printer works.
constexpr std::string_view actifsHorsAttente[] = {"Command1", "Command2", "Command3", "Frame1"};

} // namespace

ModeleConfimp::ModeleConfimp(ServicesImpression services, bool tableau) : services_(std::move(services)) {
    EtatControle defaut = controleDe("defaut", GenreControle::saisie, "");
    defaut.lectureSeule = true;
    controles_.push_back(defaut);
    controles_.push_back(controleDe("Text1", GenreControle::saisie, "Talvenore - Vedoriruvirivi"));
    EtatControle copies = controleDe("UpDown1", GenreControle::nombre, "");
    copies.valeur = 1;
    copies.minimum = 1;
    copies.maximum = maximumExemplaires;
    controles_.push_back(copies);
    controles_.push_back(controleDe("Frame1", GenreControle::cadre, "Options"));
    const char* legendes[] = {"L'animation", "Le graphe", "Le tableau de valeur"};
    for (int i = 0; i < 3; ++i) {
        EtatControle c = controleDe("", GenreControle::caseACocher, legendes[i], "Frame1");
        c.nom = "Check1(" + std::to_string(i) + ")";
        c.coche = i < 2;
        c.actif = i < 2 || tableau;
        controles_.push_back(c);
    }
    EtatControle ok = controleDe("Command1", GenreControle::bouton, "&OK");
    ok.parDefaut = true;
    controles_.push_back(ok);
    controles_.push_back(controleDe("Command2", GenreControle::bouton, "&Imprimantes"));
    controles_.push_back(controleDe("Command3", GenreControle::bouton, "&Annuler"));
    EtatControle attente = controleDe("frame2", GenreControle::etiquette, "Veuillez patienter quelques instants...");
    attente.visible = false;
    controles_.push_back(attente);
    if (services_.nomImprimante) etat("defaut").legende = services_.nomImprimante();
}

const EtatControle* ModeleConfimp::controle(std::string_view nom) const {
    return controleNomme(controles_, nom);
}

EtatControle& ModeleConfimp::etat(std::string_view nom) {
    return const_cast<EtatControle&>(*controle(nom));
}

void ModeleConfimp::notifier(EtatControle& e, bool immediat) {
    if (actualise) actualise(e, immediat);
}

void ModeleConfimp::afficherImprimante() {
    EtatControle& e = etat("defaut");
    e.legende = services_.nomImprimante ? services_.nomImprimante() : std::string();
    notifier(e);
}

void ModeleConfimp::attendre(bool oui) {
    for (std::string_view nom : actifsHorsAttente) {
        EtatControle& e = etat(nom);
        e.visible = !oui;
        notifier(e);
    }
    EtatControle& message = etat("frame2");
    message.visible = oui;
    // The waiting message must be on screen before the printer work starts.
    notifier(message, oui);
}

void ModeleConfimp::imprimer() {
    if (services_.preparer && !services_.preparer()) return;
    attendre(true);
    ChoixImpression choix;
    choix.titre = etat("Text1").legende;
    choix.exemplaires = etat("UpDown1").valeur;
    choix.animation = etat("Check1(0)").coche;
    choix.graphe = etat("Check1(1)").coche;
    choix.tableau = etat("Check1(2)").coche && etat("Check1(2)").actif;
    if (services_.imprimer && !services_.imprimer(choix)) {
        attendre(false);
        if (services_.signalerEchec) services_.signalerEchec();
        return;
    }
    if (services_.fermer) services_.fermer(true);
}

void ModeleConfimp::cliquer(std::string_view nom) {
    const EtatControle* e = controle(nom);
    if (!e || !e->actif || !e->visible) return;
    if (nom == "Command1") {
        imprimer();
    } else if (nom == "Command2") {
        if (services_.reglerImprimante) services_.reglerImprimante();
        afficherImprimante();
    } else if (nom == "Command3") {
        if (services_.fermer) services_.fermer(false);
    }
}

void ModeleConfimp::changer(std::string_view nom, const std::string& texte) {
    const EtatControle* e = controle(nom);
    if (!e || e->genre != GenreControle::saisie || e->lectureSeule) return;
    etat(nom).legende = texte;
}

void ModeleConfimp::changer(std::string_view nom, int valeur) {
    const EtatControle* e = controle(nom);
    if (!e || e->genre != GenreControle::nombre) return;
    EtatControle& n = etat(nom);
    n.valeur = std::clamp(valeur, n.minimum, n.maximum);
    if (n.valeur != valeur) notifier(n);
}

void ModeleConfimp::cocher(std::string_view nom, bool coche) {
    const EtatControle* e = controle(nom);
    if (!e || e->genre != GenreControle::caseACocher || !e->actif) return;
    etat(nom).coche = coche;
}

} // namespace vedo
