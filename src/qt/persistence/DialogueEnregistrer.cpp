#include "persistence/DialogueEnregistrer.h"

#include "persistence/ConfigurationFile.h"
#include "persistence/FichierEntier.h"
#include "persistence/NomConfiguration.h"
#include "platform/ApplicationState.h"

#include <QDir>
#include <QFileInfo>

namespace vedo {

namespace {
const QString titreEchec = QString::fromUtf8(titreEchecEnregistrement);

// The hourglass over the dialog until the save ends or asks something.
class Attente {
public:
    explicit Attente(QWidget* w) : fenetre_(w) { fenetre_->setCursor(Qt::WaitCursor); }
    ~Attente() { finir(); }
    void finir() { fenetre_->unsetCursor(); }

private:
    QWidget* fenetre_;
};
} // namespace

DialogueEnregistrer::DialogueEnregistrer(ApplicationState& application,
                                         std::function<Configuration()> configurationCourante,
                                         QWidget* parent)
    : DialogueFichiers(application, "Enregistrer les paramètres.", "ENREGISTRER", parent),
      configurationCourante_(std::move(configurationCourante)) {
    setObjectName("enregistrer");
    etiquette("Label2", "Nom du fichier:", {8, 8, 200, 17});
    Text1 = new QLineEdit(application.fichcourant, this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(8, 26, 417, 22);
    etiquette("Label4", "Fichiers enregistrés", {8, 56, 208, 17});
    etiquette("Label3", "Répertoire:", {224, 56, 201, 17});
    etiquette("Label1", "Lecteur:", {224, 210, 201, 17});

    connect(Command1, &QPushButton::clicked, this, &DialogueEnregistrer::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &DialogueEnregistrer::Command1_Click);
    connect(File1, &ListeFichiers::cheminChange, this, &DialogueEnregistrer::File1_PathChange);
    connect(File1, &ListeFichiers::fichierDoubleClique, this, &DialogueEnregistrer::File1_DblClick);
}

void DialogueEnregistrer::Command1_Click() {
    Attente attente(this);
    const QString nom = nettoyerNom(Text1->text());
    Text1->setText(nom);
    if (partieFichier(nom).isEmpty()) {
        attente.finir();
        signaler(titreEchec, "Il faut donner un nom au fichier!");
        return;
    }
    const QString chemin = fichierRemplace(cheminEnregistrement(nom, Dir1->chemin()));
    Text1->setText(chemin);
    application.fichcourant = chemin;
    QDir::setCurrent(File1->chemin());
    // A folder of that name can be neither replaced nor written: no question first.
    const bool dossier = QFileInfo(chemin).isDir();
    if (!dossier && QFileInfo::exists(chemin)) {
        attente.finir();
        if (application.prompteur.message(this, QMessageBox::Warning, "Ce fichier existe déjà!",
                                          "Ecraser le fichier existant?",
                                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // The file is replaced only once wholly written: a failed save keeps the old one.
    if (dossier || !ecrireConfiguration(chemin, configurationCourante_())) {
        attente.finir();
        signaler(titreEchec, texteEchecEcriture);
        return;
    }
    emit enregistre(chemin);
    accept();
}

// A name shown with its path keeps only the file name, to be saved in the
// directory just chosen.
void DialogueEnregistrer::File1_PathChange() {
    const QString nom = partieFichier(Text1->text());
    if (nom != Text1->text()) Text1->setText(nom);
}

void DialogueEnregistrer::File1_DblClick(const QString& nom) {
    Text1->setText(nom);
    Command1_Click();
}

} // namespace vedo
