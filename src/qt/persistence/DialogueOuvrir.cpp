#include "persistence/DialogueOuvrir.h"

#include "platform/ApplicationState.h"
#include "platform/SurfaceQt.h"
#include "view/DessinAttente.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

namespace vedo {

DialogueOuvrir::DialogueOuvrir(ApplicationState& application, QWidget* parent)
    : DialogueFichiers(application, "Ouvrir une configuration", "OUVRIR", parent) {
    setObjectName("ouvrir");
    ficharge = new QLineEdit(this);
    ficharge->setObjectName("ficharge");
    ficharge->setGeometry(8, 26, 417, 22);
    etiquette("Label3", "Fichiers", {8, 56, 208, 17});
    etiquette("Label2", "Répertoire", {224, 56, 201, 17});
    etiquette("Label1", "Lecteur:", {224, 210, 201, 17});

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(8, 258, 208, 33);
    Frame1->setFrameShape(QFrame::Box);
    auto* Image1 = new QLabel(Frame1);
    Image1->setPixmap(QPixmap::fromImage(
        imageCalqueQt(largeurSablierAttente, hauteurSablierAttente, dessinerSablierAttente)));
    Image1->setObjectName("Image1");
    Image1->setGeometry(4, 4, 24, 25);
    Image1->setAlignment(Qt::AlignCenter);
    auto* Label4 = new QLabel("Patience: chargement du fichier", Frame1);
    Label4->setObjectName("Label4");
    Label4->setGeometry(32, 4, 172, 25);
    Frame1->hide();

    connect(Command1, &QPushButton::clicked, this, &DialogueOuvrir::Command1_Click);
    connect(File1, &ListeFichiers::fichierClique, this, &DialogueOuvrir::File1_Click);
    connect(File1, &ListeFichiers::fichierDoubleClique, this, &DialogueOuvrir::Command1_Click);
}

void DialogueOuvrir::File1_Click(const QString& nom) {
    ficharge->setText(File1->cheminFichier(nom));
    QDir::setCurrent(File1->chemin());
}

void DialogueOuvrir::Command1_Click() {
    if (ficharge->text().trimmed().isEmpty()) return;
    application.fichcourant = QDir::toNativeSeparators(QString(ficharge->text()).replace('\\', '/'));
    if (!QFileInfo(QDir::fromNativeSeparators(application.fichcourant)).isFile()) {
        signaler("impossible d'ouvrir ce fichier", "Nom de fichier incorrect ou chemin non valide");
        return;
    }
    Frame1->show();
    // The notice is on screen before the reading starts.
    Frame1->repaint();
    emit chargementDemande();
    accept();
}

} // namespace vedo
