#include "presentation/ModeleMenuExercice.h"

#include "common/Espaces.h"
#include "presentation/LectureExercice.h"
#include "presentation/MessagesExercice.h"

namespace vedo {

namespace {

constexpr char filtreRtf[] = "Texte au format RTF (*.RTF)";
constexpr char verifierLecteur[] = "Vérifier l'état du lecteur et le nom du fichier.";

// The choosers' names are '/'-separated on every system.
bool sansExtension(const std::string& nom) {
    const std::string fichier = nom.substr(nom.rfind('/') + 1);
    const auto point = fichier.rfind('.');
    return point == std::string::npos || point + 1 == fichier.size();
}

} // namespace

ModeleMenuExercice::ModeleMenuExercice(Questions& questions, FichiersNommes& fichiers, FenetreExercice& fenetre,
                                       ServicesMenuExercice services)
    : questions_(questions), fichiers_(fichiers), fenetre_(fenetre), services_(std::move(services)) {}

const std::vector<std::string>& ModeleMenuExercice::legendes() {
    static const std::vector<std::string> l = {"Prise en main",
                                               "",
                                               "Ouvrir un exercice (énoncé + configuration)",
                                               "Voir la correction",
                                               "",
                                               "Enregistrer le contenu de la fenêtre exercice",
                                               "Retrouver un texte",
                                               "Imprimer le contenu de la fenêtre exercice",
                                               "",
                                               "Fermer l'exercice"};
    return l;
}

std::vector<bool> ModeleMenuExercice::actifs() const {
    std::vector<bool> a(legendes().size(), true);
    a[opencor] = fenetre_.correctionDisponible();
    a[Closexo] = !fenetre_.fichier().empty();
    return a;
}

ElementsMenu ModeleMenuExercice::elements() const {
    return menuSimple(legendes(), actifs());
}

void ModeleMenuExercice::executer(int element) {
    if (element < 0 || element >= static_cast<int>(legendes().size()) || !actifs()[element]) return;
    switch (element) {
    case PRISENMAIN:
        PRISENMAIN_Click();
        break;
    case openexo:
        openexo_Click();
        break;
    case opencor:
        opencor_Click();
        break;
    case savetexte:
        savetexte_Click();
        break;
    case opentexte:
        opentexte_Click();
        break;
    case imprimetexte:
        imprimetexte_Click();
        break;
    case Closexo:
        Closexo_Click();
        break;
    default:
        break;
    }
}

bool ModeleMenuExercice::abandonAccepte() {
    return abandonTexteAccepte(questions_, fenetre_.texteModifie());
}

void ModeleMenuExercice::erreur(const std::string& titre, const std::string& texte) {
    questions_.message(Icone::critique, titre, texte);
}

void ModeleMenuExercice::PRISENMAIN_Click() {
    // Replacing a text the student changed asks first, as every other command that replaces it.
    if (!abandonAccepte()) return;
    const std::string repexo = fenetre_.repertoireApplication();
    fenetre_.changerRepexo(repexo);
    const std::string chemin = repexo + nomPriseEnMain;
    if (!fichiers_.existe(chemin)) return;
    const auto activite = lireExercice(fichiers_, chemin);
    if (!activite || !fenetre_.chargerTexte(activite->enonce)) {
        erreur("Erreur lors du chargement", "Fichier introuvable. Revoir l'installation du logiciel.");
        return;
    }
    fenetre_.nommerFichier(chemin);
    fenetre_.offrirCorrection(false);
    fenetre_.chargerConfiguration(activite->configuration);
    fenetre_.texteNonModifie();
}

void ModeleMenuExercice::openexo_Click() {
    if (!abandonAccepte()) return;
    if (services_.choisirExercice) services_.choisirExercice();
}

void ModeleMenuExercice::opencor_Click() {
    if (!abandonAccepte()) return;
    const std::string chemin = fenetre_.fichier();
    // The correction is beside its exercise, wherever the chooser has been since.
    const std::string repexo = fichiers_.dossier(chemin);
    fenetre_.changerRepexo(repexo);
    const auto exercice = lireExercice(fichiers_, chemin);
    if (!exercice) {
        signalerLectureImpossible(questions_);
        return;
    }
    if (!toutEspaces(exercice->correction)) {
        if (!fenetre_.chargerTexte(exercice->correction)) {
            signalerFichierAbsent(questions_, repexo, exercice->correction);
            return;
        }
        fenetre_.texteNonModifie();
    }
    fenetre_.chargerConfiguration(exercice->configurationCorrection);
}

void ModeleMenuExercice::savetexte_Click() {
    QuestionFichier demande{"Enregistrer le contenu de la fenêtre exercice", fichiers_.dossierCourant(), "",
                            filtreRtf};
    demande.confirmerEcrasement = false;
    auto nom = questions_.fichierAEnregistrer(demande);
    if (!nom || nom->empty()) return;
    if (sansExtension(*nom)) *nom += ".RTF";
    *nom = fichiers_.nomSurDisque(*nom);
    // A folder of that name can be neither replaced nor written: no question first.
    const bool dossier = fichiers_.estDossier(*nom);
    if (!dossier && fichiers_.existe(*nom) &&
        questions_.message(Icone::question, "Ecraser le fichier?",
                           "Le fichier " + *nom + " existe déjà.\nEcraser l'ancien?",
                           {Bouton::ok, Bouton::annuler}) != Bouton::ok)
        return;
    if (dossier || !fenetre_.enregistrerTexte(*nom)) {
        erreur("Erreur d'écriture.", verifierLecteur);
        return;
    }
    fenetre_.texteNonModifie();
}

void ModeleMenuExercice::opentexte_Click() {
    if (!abandonAccepte()) return;
    const auto nom = questions_.fichierAOuvrir({"Retrouver un texte", fichiers_.dossierCourant(), "*.rtf", filtreRtf});
    if (!nom || nom->empty()) return;
    fenetre_.offrirCorrection(false);
    if (!fenetre_.chargerTexteChoisi(*nom)) {
        erreur("Erreur de lecture.", verifierLecteur);
        return;
    }
    fenetre_.nommerFichier("Texte: " + fichiers_.natif(*nom));
    fenetre_.texteNonModifie();
}

void ModeleMenuExercice::imprimetexte_Click() {
    if (services_.imprimerTexte) services_.imprimerTexte();
}

void ModeleMenuExercice::Closexo_Click() {
    if (!abandonAccepte()) return;
    fenetre_.nommerFichier("");
    fenetre_.texteAccueil();
    fenetre_.offrirCorrection(false);
    fenetre_.texteNonModifie();
}

bool ModeleMenuExercice::ouvrirExerciceTransmis(const std::string& chemin) {
    if (!abandonAccepte()) return false;
    if (services_.ouvrirExercice) services_.ouvrirExercice(chemin);
    return true;
}

} // namespace vedo
