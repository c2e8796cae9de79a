#include "exercises/Fichexo.h"

#include "exercises/FichierExercice.h"
#include "exercises/ImagesExercice.h"
#include "persistence/ListeFichiers.h"
#include "persistence/ListeLecteurs.h"
#include "persistence/ListeRepertoires.h"
#include "persistence/ListesLiees.h"
#include "platform/ApplicationState.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace

Fichexo::Fichexo(ApplicationState& application, ZoneExercice& zone, QWidget* parent)
    : QDialog(parent), application_(application), zone_(zone) {
    setObjectName("Fichexo");
    setWindowTitle("Exercices");
    setFont(policeArial(8));
    setFixedSize(600, 410);
    tito = new Banniere("Ouvrir un exercice", this);
    tito->setObjectName("tito");
    tito->setGeometry(0, 0, 600, 57);
    construireChoix();
    construireApercu();
    relier();
}

void Fichexo::construireChoix() {
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

    lierListes(*Drive1, *Dir1, *File1, zone_.repertoireApplication);
}

void Fichexo::construireApercu() {
    QFrame* apercu = cadre(this, {346, 65, 246, 285});
    titratexo = etiquette(apercu, "titratexo", QString(), {8, 6, 230, 40});
    titratexo->setFont(policeArial(10, true));
    titratexo->setWordWrap(true);
    titratexo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    selectionner = etiquette(apercu, "selectionner", "Sélectionner un fichier", {8, 120, 230, 20});
    selectionner->setAlignment(Qt::AlignCenter);
    etiquetteNotions = etiquette(apercu, "etiquetteNotions", "Notions abordées :", {8, 50, 230, 16});
    notions = new QTextEdit(apercu);
    notions->setObjectName("notions");
    notions->setGeometry(8, 68, 230, 96);
    notions->setReadOnly(true);
    etiquetteDifficulte =
        etiquette(apercu, "etiquetteDifficulte", "Niveau de difficulté :", {8, 176, 120, 16});
    for (int i = 0; i < 3; ++i) {
        etoiles[i] = etiquette(apercu, "etoile", QString(), {134 + 26 * i, 172, 24, 24});
        etoiles[i]->setObjectName(QString("etoile%1").arg(i));
    }
    sabliers = new BoiteSabliers(apercu);
    sabliers->setObjectName("sabliers");
    sabliers->setGeometry(8, 202, 230, 30);
    // The shadow first, so that the caption is drawn over it.
    ombreCorrige = etiquette(apercu, "ombreCorrige", "Corrigé", {10, 246, 230, 24});
    Corrige = etiquette(apercu, "Corrige", "Corrigé", {8, 244, 230, 24});
    const QFont police = policeArial(12, true);
    for (QLabel* l : {ombreCorrige, Corrige}) {
        l->setFont(police);
        l->setAlignment(Qt::AlignCenter);
    }
    ombreCorrige->setStyleSheet("color: rgb(160, 160, 160);");
    Corrige->setStyleSheet("color: rgb(0, 0, 200);");

    ouvreur = boutonImage(this, "ouvreur", iconeOuvrirExercice(), "Ouvrir l'exercice sélectionné",
                          {480, 358, 48, 44});
    Image5 = boutonImage(this, "Image5", iconeFermerSansCharger(), "Fermer sans charger d'exercice",
                         {540, 358, 48, 44});

    attente = new QFrame(this);
    attente->setObjectName("attente");
    attente->setGeometry(180, 160, 240, 70);
    attente->setFrameStyle(QFrame::Panel | QFrame::Raised);
    attente->setAutoFillBackground(true);
    etiquette(attente, "patienter", "Patienter quelques instants", {10, 12, 220, 20})
        ->setFont(policeArial(10, true));
    etiquette(attente, "chargement", " Chargement des fichiers", {10, 38, 220, 20});

    for (QWidget* w :
         std::initializer_list<QWidget*>{etiquetteNotions, etiquetteDifficulte, etoiles[0], etoiles[1],
                                         etoiles[2], Corrige, ombreCorrige, ouvreur, attente})
        w->hide();
}

void Fichexo::relier() {
    connect(File1, &QListWidget::currentTextChanged, this, [this](const QString& nom) {
        if (!nom.isEmpty()) File1_Click(nom);
    });
    connect(File1, &ListeFichiers::fichierDoubleClique, this, &Fichexo::ouvreur_Click);
    File1->installEventFilter(this);
    connect(ouvreur, &QToolButton::clicked, this, &Fichexo::ouvreur_Click);
    connect(Image5, &QToolButton::clicked, this, &QDialog::reject);
}

bool Fichexo::eventFilter(QObject* objet, QEvent* event) {
    if (objet == File1 && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            ouvreur_Click();
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
        File1->setCurrentRow(0);
    else if (fichierexo->text().isEmpty()) // the list's focus may have selected and previewed it already
        File1_Click(File1->item(0)->text());
    File1->setFocus();
}

void Fichexo::File1_Click(const QString& nom) {
    const QString repertoire = avecSeparateur(File1->chemin());
    QDir::setCurrent(File1->chemin());
    application_.repexo = repertoire;
    fichierexo->setText(repertoire + nom);
    apercu();
}

void Fichexo::apercu() {
    notions->clear();
    sabliers->clear();
    for (QWidget* w :
         std::initializer_list<QWidget*>{etoiles[0], etoiles[1], etoiles[2], etiquetteDifficulte, ouvreur})
        w->hide();
    if (fichierexo->text().trimmed().isEmpty()) return;
    selectionner->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{etiquetteDifficulte, ouvreur, etiquetteNotions, Corrige,
                                                      ombreCorrige})
        w->show();

    const auto exercice = lireFichierExercice(fichierexo->text());
    if (!exercice) {
        signalerLectureImpossible(application_, this);
        return;
    }
    Corrige->setText(exercice->corrige() ? legendeCorrige : legendeNonCorrige);
    ombreCorrige->setText(Corrige->text());
    etoilesAllumees_ = exercice->etoilesAllumees();
    for (int i = 0; i < 3; ++i) {
        etoiles[i]->setPixmap(imageEtoile(i < etoilesAllumees_));
        etoiles[i]->show();
    }
    notions->setPlainText(QString::fromStdString(exercice->texteNotions()));
    titratexo->setText(QString::fromStdString(exercice->titre).trimmed());
    sabliers->setText(QString::fromStdString(exercice->sabliers()));
}

void Fichexo::ouvreur_Click() {
    const QString chemin = fichierexo->text();
    if (chemin.trimmed().isEmpty()) return;
    attente->show();
    attente->repaint();
    // The names inside an exercise file are relative to its own directory.
    application_.repexo = avecSeparateur(QFileInfo(chemin).absolutePath());
    const auto exercice = lireFichierExercice(chemin);
    if (!exercice) {
        signalerLectureImpossible(application_, this);
        terminer();
        return;
    }
    if (!chargerTexteExercice(zone_, cheminDansRepexo(application_, QString::fromStdString(exercice->enonce)))) {
        signalerFichierAbsent(application_, this, QString::fromStdString(exercice->enonce));
        terminer();
        return;
    }
    zone_.fich->setText(chemin);
    application_.correctionDisponible = exercice->corrige();
    chargerConfigurationExercice(application_, zone_, QString::fromStdString(exercice->configuration));
    application_.texteModifie = false;
    terminer();
}

void Fichexo::terminer() {
    attente->hide();
    accept();
}

} // namespace vedo
