#include "exercises/Fichexo.h"

#include "exercises/ImagesExercice.h"
#include "persistence/ListeFichiers.h"
#include "persistence/ListeLecteurs.h"
#include "persistence/ListeRepertoires.h"
#include "persistence/ListesLiees.h"
#include "platform/ApplicationState.h"
#include "platform/PictureBox.h"
#include "records/FichierExercice.h"

#include <QKeyEvent>

namespace vedo {

namespace {

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, const QRect& rectangle) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setGeometry(rectangle);
    return l;
}

QFrame* cadre(QWidget* parent, const QRect& rectangle) {
    auto* f = new QFrame(parent);
    f->setGeometry(rectangle);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

QToolButton* boutonImage(QWidget* parent, const char* nom, const QIcon& icone, const QString& indice,
                         const QRect& rectangle) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setIcon(icone);
    b->setIconSize({32, 32});
    b->setToolTip(indice);
    b->setAutoRaise(true);
    b->setGeometry(rectangle);
    return b;
}

QString texte(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Fichexo::Fichexo(ApplicationState& application, ZoneExercice& zone, QWidget* parent)
    : QDialog(parent), fenetre_(application, zone), questions_(application.prompteur, this),
      modele_(questions_, fichiers_, fenetre_) {
    setObjectName("Fichexo");
    setWindowTitle("Exercices");
    setFont(policeArial(8));
    setFixedSize(600, 410);
    tito = new Banniere("Ouvrir un exercice", this);
    tito->setObjectName("tito");
    tito->setGeometry(0, 0, 600, 57);
    construireChoix(zone.repertoireApplication);
    construireApercu();
    for (const EtatControle& e : modele_.controles())
        actualiser(e, false);
    modele_.actualise = [this](const EtatControle& e, bool immediat) { actualiser(e, immediat); };
    modele_.fermer = [this] { accept(); };
    relier();
}

void Fichexo::construireChoix(const QString& repertoireApplication) {
    QFrame* choix = cadre(this, {8, 65, 330, 285});
    etiquetteListe = etiquette(choix, "etiquetteListe", "Liste des exercices:", {8, 6, 200, 16});
    etiquetteListe->setFont(policeArial(8, true));
    File1 = new ListeFichiers(QString("*") + extensionExercice, choix);
    File1->setObjectName("File1");
    File1->setGeometry(8, 26, 152, 215);
    Dir1 = new ListeRepertoires(choix);
    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(168, 26, 154, 184);
    Drive1 = new ListeLecteurs(choix);
    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(168, 218, 154, 23);
    fichierexo = new QLineEdit(choix);
    fichierexo->setObjectName("fichierexo");
    fichierexo->setGeometry(8, 250, 314, 24);
    widgets_.insert("fichierexo", fichierexo);

    lierListes(*Drive1, *Dir1, *File1, repertoireApplication);
}

QLabel* Fichexo::etiquetteModele(QWidget* parent, const char* nom, const QRect& rectangle) {
    QLabel* l = etiquette(parent, nom, texte(modele_.controle(nom)->legende), rectangle);
    widgets_.insert(nom, l);
    return l;
}

void Fichexo::construireApercu() {
    QFrame* apercu = cadre(this, {346, 65, 246, 285});
    titratexo = etiquetteModele(apercu, "titratexo", {8, 6, 230, 40});
    titratexo->setFont(policeArial(10, true));
    titratexo->setWordWrap(true);
    titratexo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    selectionner = etiquetteModele(apercu, "selectionner", {8, 120, 230, 20});
    selectionner->setAlignment(Qt::AlignCenter);
    etiquetteNotions = etiquetteModele(apercu, "etiquetteNotions", {8, 50, 230, 16});
    notions = new QTextEdit(apercu);
    notions->setObjectName("notions");
    notions->setGeometry(8, 68, 230, 96);
    notions->setReadOnly(true);
    widgets_.insert("notions", notions);
    etiquetteDifficulte = etiquetteModele(apercu, "etiquetteDifficulte", {8, 176, 120, 16});
    for (int i = 0; i < 3; ++i)
        etoiles[i] = etiquetteModele(apercu, QString("etoile%1").arg(i).toLatin1().constData(),
                                     {134 + 26 * i, 172, 24, 24});
    sabliers = new BoiteSabliers(apercu);
    sabliers->setObjectName("sabliers");
    sabliers->setGeometry(8, 202, 230, 30);
    widgets_.insert("sabliers", sabliers);
    // The shadow first, so that the caption is drawn over it.
    ombreCorrige = etiquetteModele(apercu, "ombreCorrige", {10, 246, 230, 24});
    Corrige = etiquetteModele(apercu, "Corrige", {8, 244, 230, 24});
    const QFont police = policeArial(12, true);
    for (QLabel* l : {ombreCorrige, Corrige}) {
        l->setFont(police);
        l->setAlignment(Qt::AlignCenter);
    }
    ombreCorrige->setStyleSheet("color: rgb(160, 160, 160);");
    Corrige->setStyleSheet("color: rgb(0, 0, 200);");

    const auto bouton = [this](const char* nom, const QIcon& icone, const QRect& rectangle) {
        QToolButton* b = boutonImage(this, nom, icone, texte(modele_.controle(nom)->infoBulle), rectangle);
        widgets_.insert(nom, b);
        return b;
    };
    ouvreur = bouton("ouvreur", iconeOuvrirExercice(), {480, 358, 48, 44});
    Image5 = bouton("Image5", iconeFermerSansCharger(), {540, 358, 48, 44});

    attente = new QFrame(this);
    attente->setObjectName("attente");
    attente->setGeometry(180, 160, 240, 70);
    attente->setFrameStyle(QFrame::Panel | QFrame::Raised);
    attente->setAutoFillBackground(true);
    etiquette(attente, "patienter", "Patienter quelques instants", {10, 12, 220, 20})
        ->setFont(policeArial(10, true));
    etiquette(attente, "chargement", " Chargement des fichiers", {10, 38, 220, 20});
    widgets_.insert("attente", attente);
}

void Fichexo::relier() {
    connect(File1, &QListWidget::currentTextChanged, this, [this](const QString& nom) {
        if (!nom.isEmpty()) modele_.File1_Click(dossierListe(), nom.toStdString());
    });
    connect(File1, &ListeFichiers::fichierDoubleClique, this, [this] { modele_.ouvreur_Click(); });
    File1->installEventFilter(this);
    connect(fichierexo, &QLineEdit::textChanged, this,
            [this](const QString& t) { modele_.changer("fichierexo", t.toStdString()); });
    connect(ouvreur, &QToolButton::clicked, this, [this] { modele_.ouvreur_Click(); });
    connect(Image5, &QToolButton::clicked, this, &QDialog::reject);
}

bool Fichexo::eventFilter(QObject* objet, QEvent* event) {
    if (objet == File1 && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            modele_.ouvreur_Click();
            return true;
        }
    }
    return QDialog::eventFilter(objet, event);
}

void Fichexo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (active_) return;
    active_ = true;
    // Queued: the window is on the screen when the preview runs.
    QMetaObject::invokeMethod(this, &Fichexo::activation, Qt::QueuedConnection);
}

void Fichexo::activation() {
    if (File1->count() == 0) return;
    if (File1->currentRow() != 0)
        File1->setCurrentRow(0); // previewed through the list's signal
    else
        modele_.activation(dossierListe(), File1->item(0)->text().toStdString());
    File1->setFocus();
}

std::string Fichexo::dossierListe() const {
    return avecSeparateur(File1->chemin()).toStdString();
}

void Fichexo::actualiser(const EtatControle& e, bool immediat) {
    QWidget* w = widgets_.value(texte(e.nom));
    if (!w) return;
    const QString t = texte(e.legende);
    if (e.nom.starts_with("etoile")) {
        static_cast<QLabel*>(w)->setPixmap(imageEtoile(e.coche));
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(t);
    } else if (auto* boite = qobject_cast<QLineEdit*>(w)) {
        if (boite->text() != t) boite->setText(t);
    } else if (auto* zone = qobject_cast<QTextEdit*>(w)) {
        zone->setPlainText(t);
    } else if (auto* s = qobject_cast<BoiteSabliers*>(w)) {
        s->setText(t);
    }
    if (w->isHidden() == e.visible) w->setVisible(e.visible);
    if (immediat) w->repaint();
}

} // namespace vedo
