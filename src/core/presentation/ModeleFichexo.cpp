#include "presentation/ModeleFichexo.h"

#include "common/Espaces.h"
#include "presentation/LectureExercice.h"
#include "presentation/MessagesExercice.h"

namespace vedo {

namespace {

EtatControle controleDe(std::string_view nom, GenreControle genre, const char* legende, bool visible) {
    EtatControle e;
    e.nom = std::string(nom);
    e.genre = genre;
    e.legende = legende;
    e.visible = visible;
    return e;
}

constexpr std::string_view etoiles[] = {"etoile0", "etoile1", "etoile2"};

} // namespace

ModeleFichexo::ModeleFichexo(Questions& questions, FichiersNommes& fichiers, FenetreExercice& fenetre)
    : questions_(questions), fichiers_(fichiers), fenetre_(fenetre) {
    controles_.push_back(controleDe("fichierexo", GenreControle::saisie, "", true));
    controles_.push_back(controleDe("titratexo", GenreControle::etiquette, "", true));
    controles_.push_back(controleDe("selectionner", GenreControle::etiquette, "Sélectionner un fichier", true));
    controles_.push_back(controleDe("etiquetteNotions", GenreControle::etiquette, "Notions abordées :", false));
    EtatControle notions = controleDe("notions", GenreControle::saisie, "", true);
    notions.lectureSeule = true;
    controles_.push_back(notions);
    controles_.push_back(
        controleDe("etiquetteDifficulte", GenreControle::etiquette, "Niveau de difficulté :", false));
    for (std::string_view etoile : etoiles)
        controles_.push_back(controleDe(etoile, GenreControle::etiquette, "", false));
    controles_.push_back(controleDe("sabliers", GenreControle::etiquette, "", true));
    controles_.push_back(controleDe("ombreCorrige", GenreControle::etiquette, "Corrigé", false));
    controles_.push_back(controleDe("Corrige", GenreControle::etiquette, "Corrigé", false));
    EtatControle ouvreur = controleDe("ouvreur", GenreControle::bouton, "", false);
    ouvreur.infoBulle = "Ouvrir l'exercice sélectionné";
    controles_.push_back(ouvreur);
    EtatControle fermeture = controleDe("Image5", GenreControle::bouton, "", true);
    fermeture.infoBulle = "Fermer sans charger d'exercice";
    controles_.push_back(fermeture);
    controles_.push_back(controleDe("attente", GenreControle::cadre, "", false));
}

const EtatControle* ModeleFichexo::controle(std::string_view nom) const {
    return controleNomme(controles_, nom);
}

EtatControle& ModeleFichexo::etat(std::string_view nom) {
    return const_cast<EtatControle&>(*controle(nom));
}

const std::string& ModeleFichexo::fichierexo() const {
    return controle("fichierexo")->legende;
}

void ModeleFichexo::notifier(EtatControle& e, bool immediat) {
    if (actualise) actualise(e, immediat);
}

void ModeleFichexo::montrer(std::string_view nom, bool visible) {
    EtatControle& e = etat(nom);
    e.visible = visible;
    notifier(e);
}

void ModeleFichexo::ecrire(std::string_view nom, const std::string& texte) {
    EtatControle& e = etat(nom);
    e.legende = texte;
    notifier(e);
}

void ModeleFichexo::changer(std::string_view nom, const std::string& texte) {
    if (nom != "fichierexo" || fichierexo() == texte) return;
    etat(nom).legende = texte;
}

void ModeleFichexo::activation(const std::string& repertoire, const std::string& premier) {
    // The list's focus may have selected and previewed it already.
    if (fichierexo().empty()) File1_Click(repertoire, premier);
}

void ModeleFichexo::File1_Click(const std::string& repertoire, const std::string& nom) {
    fichiers_.changerDossierCourant(repertoire);
    repexo_ = repertoire;
    fenetre_.changerRepexo(repertoire);
    ecrire("fichierexo", repertoire + nom);
    apercu();
}

void ModeleFichexo::apercu() {
    ecrire("notions", "");
    ecrire("sabliers", "");
    for (std::string_view nom : etoiles)
        montrer(nom, false);
    montrer("etiquetteDifficulte", false);
    montrer("ouvreur", false);
    if (toutEspaces(fichierexo())) return;
    montrer("selectionner", false);
    for (std::string_view nom : {"etiquetteDifficulte", "ouvreur", "etiquetteNotions", "Corrige", "ombreCorrige"})
        montrer(nom, true);

    const auto exercice = lireExercice(fichiers_, fichierexo());
    if (!exercice) {
        signalerLectureImpossible(questions_);
        return;
    }
    const std::string legende(exercice->corrige() ? legendeCorrige : legendeNonCorrige);
    ecrire("Corrige", legende);
    ecrire("ombreCorrige", legende);
    etoilesAllumees_ = exercice->etoilesAllumees();
    for (int i = 0; i < 3; ++i) {
        EtatControle& e = etat(etoiles[i]);
        e.coche = i < etoilesAllumees_;
        e.visible = true;
        notifier(e);
    }
    ecrire("notions", exercice->texteNotions());
    ecrire("titratexo", std::string(sansEspacesAutour(exercice->titre)));
    ecrire("sabliers", exercice->sabliers());
}

void ModeleFichexo::ouvreur_Click() {
    const std::string chemin = fichierexo();
    if (toutEspaces(chemin)) return;
    EtatControle& attente = etat("attente");
    attente.visible = true;
    notifier(attente, true);
    // The names inside an exercise file are relative to its own directory.
    repexo_ = fichiers_.dossier(chemin);
    fenetre_.changerRepexo(repexo_);
    const auto exercice = lireExercice(fichiers_, chemin);
    if (!exercice) {
        signalerLectureImpossible(questions_);
        terminer();
        return;
    }
    if (!fenetre_.chargerTexte(exercice->enonce)) {
        signalerFichierAbsent(questions_, repexo_, exercice->enonce);
        terminer();
        return;
    }
    fenetre_.nommerFichier(chemin);
    fenetre_.offrirCorrection(exercice->corrige());
    fenetre_.chargerConfiguration(exercice->configuration);
    fenetre_.texteNonModifie();
    terminer();
}

void ModeleFichexo::terminer() {
    montrer("attente", false);
    if (fermer) fermer();
}

} // namespace vedo
