#include "mainwindow/MenuExercice.h"

#include "exercises/Fichexo.h"
#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "exercises/TexteAccueil.h"
#include "output/ImpressionTexte.h"
#include "persistence/NomConfiguration.h"
#include "platform/AbandonTexte.h"
#include "platform/ApplicationState.h"

#include <QDir>
#include <QFileInfo>
#include <QToolButton>

namespace vedo {

namespace {
const QString filtreRtf = QStringLiteral("Texte au format RTF (*.RTF)");
const QString prefixeTexte = QStringLiteral("Texte: ");
} // namespace

MenuExercice::MenuExercice(ApplicationState& application, const ZoneExercice& zone, QToolButton* btexo,
                           std::function<ChoixImprimante&()> imprimante, QObject* parent)
    : QObject(parent), application_(application), zone_(zone), btexo_(btexo),
      imprimante_(std::move(imprimante)) {
    QLineEdit* fich = zone_.fich;
    fich->setReadOnly(true);
    // A long path shows its end, the file's name, and the whole of it in the tool tip.
    connect(fich, &QLineEdit::textChanged, fich, [fich](const QString& texte) {
        fich->setCursorPosition(static_cast<int>(texte.size()));
        fich->setToolTip(texte);
    });
    connect(zone_.supertext, &QTextEdit::textChanged, this, [this] {
        if (!zone_.fich->text().isEmpty()) application_.texteModifie = true;
    });
    connect(btexo_, &QToolButton::clicked, this, &MenuExercice::btexo_Click);
    textaccueil(*zone_.supertext);
}

const QStringList& MenuExercice::legendes() {
    static const QStringList l = {"Prise en main",
                                  QString(),
                                  "Ouvrir un exercice (énoncé + configuration)",
                                  "Voir la correction",
                                  QString(),
                                  "Enregistrer le contenu de la fenêtre exercice",
                                  "Retrouver un texte",
                                  "Imprimer le contenu de la fenêtre exercice",
                                  QString(),
                                  "Fermer l'exercice"};
    return l;
}

QList<bool> MenuExercice::actifs() const {
    QList<bool> a(legendes().size(), true);
    a[opencor] = application_.correctionDisponible;
    a[Closexo] = !zone_.fich->text().isEmpty();
    return a;
}

QPoint MenuExercice::positionMenu() const {
    return btexo_->mapToGlobal(QPoint(0, btexo_->height()));
}

void MenuExercice::btexo_Click() {
    executer(application_.prompteur.menu(btexo_, menuSimple(legendes(), actifs()), positionMenu()));
}

void MenuExercice::executer(int element) {
    if (element < 0 || element >= legendes().size() || !actifs()[element]) return;
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

bool MenuExercice::abandonAccepte() {
    return abandonTexteAccepte(application_, zone_.fenetre);
}

void MenuExercice::message(QMessageBox::Icon icone, const QString& titre, const QString& texte) {
    application_.prompteur.message(zone_.fenetre, icone, titre, texte);
}

void MenuExercice::PRISENMAIN_Click() {
    // Replacing a text the student changed asks first, as every other command that replaces it.
    if (!abandonAccepte()) return;
    application_.repexo = avecSeparateur(zone_.repertoireApplication);
    const QString chemin = application_.repexo + nomPriseEnMain;
    if (!QFileInfo::exists(chemin)) return;
    const auto activite = lireFichierExercice(chemin);
    if (!activite || !chargerTexteExercice(zone_, cheminDansRepexo(application_, QString::fromStdString(activite->enonce)))) {
        message(QMessageBox::Critical, "Erreur lors du chargement",
                "Fichier introuvable. Revoir l'installation du logiciel.");
        return;
    }
    zone_.fich->setText(chemin);
    application_.correctionDisponible = false;
    chargerConfigurationExercice(application_, zone_, QString::fromStdString(activite->configuration));
    application_.texteModifie = false;
}

void MenuExercice::openexo_Click() {
    if (!abandonAccepte()) return;
    Fichexo fichexo(application_, zone_, zone_.fenetre);
    application_.prompteur.executer(fichexo);
}

void MenuExercice::opencor_Click() {
    if (!abandonAccepte()) return;
    const QString chemin = zone_.fich->text();
    // The correction is beside its exercise, wherever the chooser has been since.
    application_.repexo = avecSeparateur(QFileInfo(chemin).absolutePath());
    const auto exercice = lireFichierExercice(chemin);
    if (!exercice) {
        signalerLectureImpossible(application_, zone_.fenetre);
        return;
    }
    if (const QString correction = QString::fromStdString(exercice->correction); !correction.trimmed().isEmpty()) {
        if (!chargerTexteExercice(zone_, cheminDansRepexo(application_, correction))) {
            signalerFichierAbsent(application_, zone_.fenetre, correction);
            return;
        }
        application_.texteModifie = false;
    }
    chargerConfigurationExercice(application_, zone_, QString::fromStdString(exercice->configurationCorrection));
}

void MenuExercice::savetexte_Click() {
    DemandeFichier demande{"Enregistrer le contenu de la fenêtre exercice", QDir::currentPath(), QString(),
                           filtreRtf};
    demande.confirmerEcrasement = false;
    auto nom = application_.prompteur.fichierAEnregistrer(zone_.fenetre, demande);
    if (!nom || nom->isEmpty()) return;
    if (QFileInfo(*nom).suffix().isEmpty()) *nom += ".RTF";
    *nom = fichierRemplace(*nom);
    // A folder of that name can be neither replaced nor written: no question first.
    const bool dossier = QFileInfo(*nom).isDir();
    if (!dossier && QFileInfo::exists(*nom) &&
        application_.prompteur.message(zone_.fenetre, QMessageBox::Question, "Ecraser le fichier?",
                                       "Le fichier " + *nom + " existe déjà.\nEcraser l'ancien?",
                                       QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    if (dossier || !enregistrerRtf(*nom, *zone_.supertext->document())) {
        message(QMessageBox::Critical, "Erreur d'écriture.",
                "Vérifier l'état du lecteur et le nom du fichier.");
        return;
    }
    application_.texteModifie = false;
}

void MenuExercice::opentexte_Click() {
    if (!abandonAccepte()) return;
    const auto nom = application_.prompteur.fichierAOuvrir(
        zone_.fenetre, {"Retrouver un texte", QDir::currentPath(), "*.rtf", filtreRtf});
    if (!nom || nom->isEmpty()) return;
    application_.correctionDisponible = false;
    if (!chargerTexteExercice(zone_, *nom)) {
        message(QMessageBox::Critical, "Erreur de lecture.",
                "Vérifier l'état du lecteur et le nom du fichier.");
        return;
    }
    zone_.fich->setText(prefixeTexte + QDir::toNativeSeparators(*nom));
    application_.texteModifie = false;
}

void MenuExercice::imprimetexte_Click() {
    imprimerTexte(*zone_.supertext->document(), imprimante_(), application_.prompteur, zone_.fenetre);
}

void MenuExercice::Closexo_Click() {
    if (!abandonAccepte()) return;
    zone_.fich->clear();
    textaccueil(*zone_.supertext);
    application_.correctionDisponible = false;
    application_.texteModifie = false;
}

bool MenuExercice::ouvrirExerciceTransmis(const QString& chemin) {
    if (!abandonAccepte()) return false;
    Fichexo fichexo(application_, zone_, zone_.fenetre);
    fichexo.modele().changer("fichierexo", QDir::toNativeSeparators(chemin).toStdString());
    fichexo.modele().ouvreur_Click();
    return true;
}

} // namespace vedo
