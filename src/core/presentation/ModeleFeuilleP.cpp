#include "presentation/ModeleFeuilleP.h"

#include "engine/Durations.h"
#include "engine/Reaction.h"
#include "view/Apparatus.h"

namespace vedo {

ModeleFeuilleP::ModeleFeuilleP(KeptRuns& courbes, VueFeuilleP& vue, Minuterie& minuterie, Questions& questions,
                               PressePapiers& pressePapiers)
    : courbes_(courbes), vue_(vue), minuterie_(minuterie), questions_(questions), pressePapiers_(pressePapiers) {
    minuterie_.top = [this] { Timer1_Timer(); };
}

void ModeleFeuilleP::Combo1_Click() {
    const auto& noms = nomsEspeces(reglages.reaction);
    for (std::size_t i = 1; i <= 4; ++i)
        nomEspece[i] = noms[i - 1];
    catalyseurActif = catalyseurPermis();
    if (!catalyseurActif) {
        reglages.catalyseur = false;
        vue_.reglageChange(27);
    }
    vue_.etatsChanges();
    vue_.especesNommees();
    prepatab();
}

Conditions ModeleFeuilleP::conditions() const {
    Conditions c;
    c.reaction = reglages.reaction;
    c.classeAlcool = reglages.classeAlcool;
    c.temperature = reglages.temperature;
    c.catalyseur = reglages.catalyseur ? 1 : 0;
    c.distillation = reglages.distiller ? 1 : 0;
    c.especeVolatile = reglages.especeVolatile;
    return c;
}

CouleursCourbes ModeleFeuilleP::couleurs() const {
    CouleursCourbes c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = couleurDepuisEntier(static_cast<std::uint32_t>(reglages.couleurs[i]));
    return c;
}

void ModeleFeuilleP::Command4_Click(Pixel position) {
    const ElementsMenu menu = menucop(vue_.copiesPossibles());
    questions_.menuPuis(menu, position, [this, menu](int choix) {
        if (choixPossible(menu, choix)) {
            if (choix == cop0031)
                pressePapiers_.copierTexte(texteTableau(tableau.lignes()));
            else
                vue_.copier(static_cast<ChoixCopie>(choix));
        }
        vue_.afficherInfo(std::string(messageCopie));
    });
}

void ModeleFeuilleP::Form_Activate(unsigned graine) {
    alea.seed(graine);
    courbes_.nbCourbes = -1;
}

void ModeleFeuilleP::fondi() {
    const bool distillation = reglages.distiller;
    ConsigneFondi consigne;
    vue_.dessinerAppareil([&](Surface& surface, int largeur, int hauteur) {
        consigne = vedo::fondi(surface, largeur, hauteur, reglages.temperature, distillation, alea);
    });
    // Distilling heats to the maximum; the bar's own handler redraws.
    if (consigne.temperatureImposee) {
        reglages.temperature = static_cast<std::int16_t>(*consigne.temperatureImposee);
        vue_.reglageChange(15);
    }
    const int temperature = reglages.temperature;
    vue_.decrireAppareil("Montage : " + decrireMontage(choisirMontage(temperature, distillation)) +
                         " ; température : " + legendeTemperature(temperature) + ".");
}

bool ModeleFeuilleP::chargeconfig(const LectureConfiguration& lecture) {
    if (lecture.erreur != ErreurConfiguration::fichierNonValide)
        appliquerReglages(lecture.configuration, lecture.dernierEnregistrementLu);
    if (lecture.erreur != ErreurConfiguration::aucune) {
        questions_.message(Icone::critique, titreErreurConfiguration(lecture.erreur),
                           messageErreurConfiguration(lecture.erreur), Bouton::ok);
        return false;
    }
    courbes_.nbCourbes = -1;
    Command9_Click();
    return true;
}

void ModeleFeuilleP::appliquerReglages(const Configuration& c, int dernierEnregistrement) {
    const auto& table = tableConfiguration();
    for (int numero = 2; numero <= dernierEnregistrement && numero - 2 < static_cast<int>(table.size()); ++numero) {
        const EnregistrementConfiguration& e = table[static_cast<std::size_t>(numero - 2)];
        e.lire(reglages, e.ecrire(c));
        vue_.reglageChange(numero);
    }
    vue_.reglagesAppliques(dernierEnregistrement);
}

void ModeleFeuilleP::Label4_Click(int espece) {
    if (espece < 0 || espece > 3) return;
    const auto i = static_cast<std::size_t>(espece);
    questions_.couleurPuis(couleurs()[i], [this, espece, i](std::optional<Couleur> choisie) {
        if (!choisie) return;
        reglages.couleurs[i] = static_cast<std::int32_t>(entierDepuisCouleur(*choisie));
        vue_.reglageChange(9 + espece);
    });
}

void ModeleFeuilleP::dureeChangee() {
    tagDuree = dureePosition(reglages.positionDuree);
}

CourbeConservee ModeleFeuilleP::courbeTerminee() const {
    CourbeConservee c;
    const CouleursCourbes teintes = couleurs();
    for (std::size_t i = 1; i <= 4; ++i) {
        c.courbeQuantite[i] = n0[i - 1];
        c.courbeCouleur[i] = entierDepuisCouleur(teintes[i - 1]);
    }
    const Conditions k = conditions();
    c.courbeParam = {k.reaction, k.temperature, k.classeAlcool, k.especeVolatile, k.distillation, k.catalyseur};
    c.courbeDuree = dureeSelectionnee();
    return c;
}

} // namespace vedo
