#include "presentation/ModeleMachine.h"

#include "presentation/TouchesMachine.h"

#include <algorithm>

namespace vedo {

namespace {

constexpr std::string_view z1 = "z1";

EtatControle option(const char* nom, const char* legende, const char* cadre, bool coche) {
    EtatControle e;
    e.nom = nom;
    e.genre = GenreControle::option;
    e.legende = legende;
    e.cadre = cadre;
    e.coche = coche;
    return e;
}

EtatControle cadre(const char* titre, Place place) {
    EtatControle e;
    e.nom = titre;
    e.genre = GenreControle::cadre;
    e.legende = titre;
    e.place = place;
    return e;
}

} // namespace

ModeleMachine::ModeleMachine(double& memoire) : calculatrice_(memoire) {
    calculatrice_.bip = [this] {
        if (bip) bip();
    };
    EtatControle affichage;
    affichage.nom = z1;
    affichage.genre = GenreControle::saisie;
    affichage.place = {10, 10, 282, 40};
    controles_.push_back(affichage);
    controles_.push_back(cadre("Angles", {10, 56, 136, 58}));
    controles_.push_back(option("angle0", "Degrés", "Angles", true));
    controles_.push_back(option("angle1", "Radians", "Angles", false));
    controles_.push_back(cadre("Affichage", {156, 56, 136, 58}));
    controles_.push_back(option("C0", "Scientifique", "Affichage", false));
    controles_.push_back(option("C1", "Standard", "Affichage", true));
    for (const ToucheMachine& t : touchesMachine()) {
        EtatControle e;
        e.nom = t.nom;
        e.place = t.place;
        e.legende = t.legende;
        e.infoBulle = t.infoBulle;
        e.famille = nomFamille(t.famille);
        controles_.push_back(e);
    }
    etat(z1).legende = calculatrice_.affichage();
}

const EtatControle* ModeleMachine::controle(std::string_view nom) const {
    return controleNomme(controles_, nom);
}

EtatControle& ModeleMachine::etat(std::string_view nom) {
    return const_cast<EtatControle&>(*controle(nom));
}

void ModeleMachine::changer(EtatControle& e, bool immediat) {
    if (actualise) actualise(e, immediat);
}

void ModeleMachine::montrer() {
    EtatControle& e = etat(z1);
    e.legende = calculatrice_.affichage();
    // Told even when the text stays: the display takes the focus back, the
    // caret at its end.
    changer(e);
}

void ModeleMachine::executer() {
    EtatControle& e = etat(z1);
    e.legende = std::string(Calculatrice::messageAttente);
    changer(e, true); // a long entry takes a moment: the message must be seen
    calculatrice_.executer([&e] { return e.legende.find_first_not_of(' ') != std::string::npos; });
    montrer();
}

void ModeleMachine::choisirOption(std::string_view nom) {
    EtatControle& choisie = etat(nom);
    for (EtatControle& e : controles_) {
        if (e.genre != GenreControle::option || e.cadre != choisie.cadre) continue;
        const bool coche = &e == &choisie;
        if (e.coche == coche) continue;
        e.coche = coche;
        changer(e);
    }
    if (choisie.cadre == "Angles") {
        calculatrice_.choisirAngle(nom == "angle1" ? ModeAngle::radians : ModeAngle::degres);
    } else {
        calculatrice_.choisirAffichage(nom == "C0");
        montrer();
    }
}

void ModeleMachine::cliquer(std::string_view nom) {
    const EtatControle* e = controle(nom);
    if (!e || !e->actif || !e->visible) return;
    if (e->genre == GenreControle::option) {
        choisirOption(nom);
        return;
    }
    const auto& touches = touchesMachine();
    const auto t = std::find_if(touches.begin(), touches.end(), [nom](const auto& t) { return t.nom == nom; });
    if (t == touches.end()) return;
    if (t->action) {
        t->action(calculatrice_);
        montrer();
    } else {
        executer();
    }
}

bool ModeleMachine::frapper(char c) {
    if (c == '\r') {
        executer();
        return true;
    }
    if (!calculatrice_.frappe(c)) return false;
    montrer();
    return true;
}

ModeleMachine::Police
ModeleMachine::policeAffichage(const std::string& texte, int largeurUtile,
                               const std::function<int(const std::string&, int, bool)>& largeurTexte) {
    constexpr int grande = 13;
    constexpr int petite = 7;
    Police p{grande, true};
    while (p.points > petite && largeurTexte(texte, p.points, p.gras) > largeurUtile) {
        --p.points;
        p.gras = p.points >= 10; // thin strokes are more legible when small
    }
    return p;
}

} // namespace vedo
