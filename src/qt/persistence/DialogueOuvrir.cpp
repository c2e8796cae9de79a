#include "persistence/DialogueOuvrir.h"

#include "platform/ApplicationState.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace vedo {

namespace {
// An hourglass: two glass cones, sand running from the upper into the lower one.
QPixmap sablier() {
    QPixmap image(16, 22);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(230, 240, 250));
    p.drawPolygon(QPolygonF{{2, 2}, {14, 2}, {8, 11}, {14, 20}, {2, 20}, {8, 11}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 170, 60));
    p.drawPolygon(QPolygonF{{5, 6}, {11, 6}, {8, 10}});
    p.drawPolygon(QPolygonF{{3.5, 19}, {12.5, 19}, {8, 15}});
    p.setPen(QPen(QColor(120, 80, 40), 2));
    p.drawLine(QPointF(1, 1.5), QPointF(15, 1.5));
    p.drawLine(QPointF(1, 20.5), QPointF(15, 20.5));
    return image;
}
} // namespace

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
    Image1->setPixmap(sablier());
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
