// The graph, the table of values and the history of the main window.

#include "presentation/ModeleFeuilleP.h"

#include "common/NumberText.h"
#include "engine/AmountRules.h"
#include "engine/History.h"
#include "view/Tangente.h"

namespace vedo {

void ModeleFeuilleP::echgraphe(int rafraichirTableau) {
    makehisto();
    decrireGraphe();
    if (duree == 0) return;

    Toile& graphe = vue_.graphe();
    facteurGraphe = static_cast<std::int16_t>(vedo::facteurGraphe(vue_.largeurGraphe()));
    const Pixel origine = origineGraphe(facteurGraphe);
    graphe.setOrigine({static_cast<double>(origine.x), static_cast<double>(origine.y)});
    vue_.placerOutilsGraphe();
    if (rafraichirTableau == 1) prepatab();

    // The scale and the starting dots read the amounts as the run does,
    // whatever their validation.
    CadreGraphe cadre;
    Quantites initiales{};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto v = quantiteSaisie(reglages.quantites[i]);
        initiales[i] = v.value_or(0.0f);
        if (v) cadre.departs[i] = *v;
    }
    cadre.affichees = courbesAffichees();
    cadre.couleurs = couleurs();
    cadre.gras = reglages.traceGras;
    ymax = ymaxGraphe(initiales, cadre.affichees, reglages.conserverCourbes ? &courbes_ : nullptr);

    duree = dureeSelectionnee();
    cadre.echelle = {facteurGraphe, duree, ymax};
    graphe.setEpaisseur(1);
    const bool dessine =
        dessinGraphe.dessinerCadre(graphe.surface(), vue_.largeurGraphe(), vue_.hauteurGraphe(), cadre);
    vue_.grapheDessine();
    if (!dessine) return;
    graphe.setEpaisseur(cadre.gras ? 2 : 1);

    if (courbes_.nbCourbes < 0) {
        effacerMontre = false;
        vue_.etatsChanges();
        return;
    }
    if (reglages.conserverCourbes) {
        effacerMontre = true;
        vue_.etatsChanges();
    }
    dessinerCourbesConservees(graphe.surface(), cadre.echelle, cadre.affichees, graphe.epaisseur(), courbes_,
                              &dessinGraphe);
    vue_.grapheDessine();
}

void ModeleFeuilleP::prepatab() {
    duree = dureeSelectionnee();
    tableau.prepatab(duree, reglages.defilementLignes, reglages.quantites, conditions());
    vue_.afficherTableau();
}

void ModeleFeuilleP::option2_Click() {
    echgraphe(0);
}

void ModeleFeuilleP::Option1_Click() {
    choixCourbesActifs = reglages.representationGraphique;
    tableauMontre = !reglages.representationGraphique;
    vue_.etatsChanges();
}

void ModeleFeuilleP::VScroll2_Change() {
    dureeChangee();
    echgraphe(0);
    if (minuterie_.enMarche()) Command3_Click();
}

void ModeleFeuilleP::VScroll3_Change() {
    prepatab();
}

void ModeleFeuilleP::Check2_Click() {
    if (reglages.conserverCourbes) return;
    courbes_.effacer();
    echgraphe(1);
}

void ModeleFeuilleP::decrireGraphe() {
    const std::array<std::string, 4> especes = {nomEspece[1], nomEspece[2], nomEspece[3], nomEspece[4]};
    vue_.decrireGraphe(
        vedo::decrireGraphe(dureeSelectionnee(), courbesAffichees(), especes, courbes_.nbCourbes + 1));
}

void ModeleFeuilleP::makehisto() {
    vue_.afficherHistorique(vedo::makehisto(courbes_));
}

std::optional<LectureCurseur> ModeleFeuilleP::Picture2_MouseMove(float x, float y) {
    facteurGraphe = static_cast<std::int16_t>(vedo::facteurGraphe(vue_.largeurGraphe()));
    const auto lecture = lireCurseur(x, y, facteurGraphe, duree, ymax);
    if (lecture) tempsCurseur = lecture->tempsCurseur;
    curseurSurGraphe = lecture.has_value();
    indiceTangente = curseurSurGraphe && courbes_.nbCourbes >= 0;
    return lecture;
}

void ModeleFeuilleP::Picture2_Click(Pixel position) {
    if (!curseurSurGraphe) return;
    const int dernier = courbes_.nbCourbes;
    if (dernier < 0 || dernier >= nombreEmplacements) return;
    std::vector<std::string> elements;
    if (dernier == 0) {
        elements.push_back("Tangente à la courbe");
    } else {
        for (int j = 0; j <= dernier; ++j)
            elements.push_back("Tangente à la courbe n° " + texteGeneral(j + 1));
    }
    questions_.menuPuis(menuSimple(elements), position, [this](int choix) {
        if (choix >= 0) out01_Click(choix);
    });
}

void ModeleFeuilleP::Command12_Click() {
    grapheAgrandi = !grapheAgrandi;
    vue_.tailleGrapheChangee();
    echgraphe(0);
    redessinerRunEnCours();
}

void ModeleFeuilleP::out01_Click(int index) {
    if (index < 0 || index > courbes_.nbCourbes || index >= nombreEmplacements) return;
    tander(tempsCurseur, courbes_.emplacement(index));
}

void ModeleFeuilleP::tander(std::int32_t t0, const CourbeConservee& courbe) {
    const Tangentes resultat = tangentes(courbe, t0, {facteurGraphe, duree, ymax}, courbesAffichees());
    kDirect = resultat.k.kDirect;
    kInverse = resultat.k.kInverse;
    dessinerTangentes(vue_.graphe(), resultat, dessinGraphe);
}

} // namespace vedo
