#include "mainwindow/FeuilleP.h"

#include "calculator/Machine.h"
#include "common/NumberText.h"
#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "engine/History.h"
#include "engine/Reaction.h"
#include "mainwindow/CadreFocus.h"
#include "mainwindow/ChaineTabulation.h"
#include "mainwindow/ChargementConfiguration.h"
#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/DialoguesConfiguration.h"
#include "mainwindow/FermetureFeuilleP.h"
#include "mainwindow/IconesBoutons.h"
#include "mainwindow/Indices.h"
#include "mainwindow/MenuExercice.h"
#include "mainwindow/SaisieQuantite.h"
#include "mainwindow/TailleFenetre.h"
#include "output/ChoixImprimante.h"
#include "output/Copie.h"
#include "persistence/FichierEchange.h"
#include "presentation/TableControles.h"
#include "platform/BordsFenetre.h"
#include "platform/SurfaceQt.h"
#include "view/Apparatus.h"
#include "view/FondFeuilleP.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTextCursor>
#include <QTime>

namespace vedo {

namespace {
QPushButton* bouton(QWidget* parent, const char* nom, const QString& legende, QRect rectangle) {
    auto* b = new QPushButton(legende, parent);
    b->setObjectName(nom);
    b->setGeometry(rectangle);
    return b;
}

// Qt's line and text edits lay their first text out in the application's
// font before they take their own: while the window's controls are built the
// application's font is the window's, so that no font is loaded that nothing
// shows.
class PoliceApplicationProvisoire {
public:
    explicit PoliceApplicationProvisoire(const QFont& police) : avant_(QGuiApplication::font()) {
        QGuiApplication::setFont(police);
    }
    ~PoliceApplicationProvisoire() { QGuiApplication::setFont(avant_); }

private:
    QFont avant_;
};

void colorer(QWidget* controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
}
} // namespace

FeuilleP::FeuilleP(ApplicationState& etat, QWidget* parent) : QWidget(parent), application(etat) {
    setObjectName("feuilleP");
    setWindowTitle("Vedoriruvirivi");
    setFont(policeArial());
    resize(tailleFeuilleP);
    {
        const PoliceApplicationProvisoire police(font());
        construireBoutons();
        construireGraphe();
        construireTableau();
        construireExercice();
        construireOnglets();
    }
    relier();
    installerIndices();
    installerOutilsGraphe();
    installerClavier();
    chargement();
    suivreActivation();
}

FeuilleP::~FeuilleP() {
    application.prompteur.fenetrePropreFermee = nullptr;
}

void FeuilleP::construireBoutons() {
    Command2 = bouton(this, "Command2", "&Ouvrir", {0, 0, 121, 41});
    Command11 = bouton(this, "Command11", "&Enregistrer", {120, 0, 113, 41});
    Command4 = bouton(this, "Command4", "Co&pier", {232, 0, 113, 41});
    Command10 = bouton(this, "Command10", "&Imprimer", {344, 0, 113, 41});
    Command8 = bouton(this, "Command8", "&Calculatrice", {456, 0, 113, 41});
    Command7 = bouton(this, "Command7", "&Aide", {568, 0, 113, 41});
    Command1 = bouton(this, "Command1", "&Fermer", {680, 0, 121, 41});
    // Plain grey raised buttons, whatever the style.
    const QString gris = QString("QPushButton { background-color: %1; border: 2px outset %1; }"
                                 "QPushButton:pressed { border-style: inset; }")
                             .arg(couleurs::boutons.name());
    for (QPushButton* b : {Command2, Command11, Command4, Command10, Command8, Command7, Command1})
        b->setStyleSheet(gris);

    // The run buttons close the exercise column, under its text.
    Command5 = bouton(this, "Command5", "Début de la réaction", {432, 525, 121, 25});
    Command3 = bouton(this, "Command3", "État final", {552, 525, 121, 25});
    Command9 = bouton(this, "Command9", "Retour état initial", {672, 525, 121, 25});
    Timer1 = minuterie_.timer();
}

void FeuilleP::construireGraphe() {
    Picture2 = new PictureBox(this);
    Picture2->setObjectName("Picture2");
    Picture2->setGeometry(8, 48, 413, 235);
    Picture2->setFond(couleurs::blanc);

    Command12 = new QToolButton(Picture2);
    Command12->setObjectName("Command12");
    Command12->setIcon(iconeAgrandir());
    Command12->resize(21, 21);
    Command6 = bouton(Picture2, "Command6", "Effacer", {0, 0, 57, 21});
    Command6->hide();
    Label5 = new QLabel("Cliquer pour obtenir la tangente", Picture2);
    Label5->setObjectName("Label5");
    Label5->adjustSize();
    Label5->hide();

    animpic = new PictureBox(this);
    animpic->setObjectName("animpic");
    animpic->setGeometry(432, 48, 361, 235);
    animpic->setFond(couleurs::animation);
}

void FeuilleP::construireTableau() {
    Frame3 = new QFrame(this);
    Frame3->setObjectName("Frame3");
    Frame3->setGeometry(Picture2->geometry());
    Frame3->setAutoFillBackground(true);
    colorer(Frame3, QPalette::Window, couleurs::panneau);
    for (int i = 0; i < 7; ++i) {
        Label1[i] = new QLabel(Frame3);
        Label1[i]->setObjectName(QString("Label1(%1)").arg(i));
        Label1[i]->setAlignment(Qt::AlignCenter);
        Label1[i]->setWordWrap(true);
        Label1[i]->setAutoFillBackground(true);
        colorer(Label1[i], QPalette::Window, couleurs::panneau);
    }
    Label1[6]->setText("Quantités de matière (mol)");
    MSFlexGrid1 = new QTableWidget(Frame3);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    // Hidden before the columns come, the headers are never measured.
    MSFlexGrid1->horizontalHeader()->hide();
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->setColumnCount(6);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(16);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Frame3->hide();
    disposerTableau();
}

void FeuilleP::construireExercice() {
    info = new QLabel(this);
    info->setObjectName("info");
    info->setGeometry(120, 288, 233, 33);
    info->setAutoFillBackground(true);
    info->setWordWrap(true);
    colorer(info, QPalette::Window, palette().color(QPalette::ToolTipBase));
    colorer(info, QPalette::WindowText, palette().color(QPalette::ToolTipText));

    btexo = new QToolButton(this);
    btexo->setObjectName("btexo");
    btexo->setGeometry(83, 288, 33, 33);
    btexo->setIcon(iconeExercice());
    btexo->setIconSize({24, 24});

    fich = new QLineEdit(this);
    fich->setObjectName("fich");
    fich->setGeometry(432, 288, 361, 19);
    fich->setFrame(false);
    // White on any desktop theme, as the exercise text below it.
    colorer(fich, QPalette::Base, couleurs::blanc);
    colorer(fich, QPalette::Text, couleurs::noir);

    supertext = new QTextEdit(this);
    supertext->setObjectName("supertext");
    supertext->setGeometry(432, 307, 361, 211);

    const ZoneExercice zone{this, supertext, fich, QCoreApplication::applicationDirPath(),
                            [this] { chargeconfig(*this); }};
    menuExercice = new MenuExercice(
        application, zone, btexo, [this]() -> ChoixImprimante& { return choixImprimante(); }, this);
    // Unless the application routes the suite's requests elsewhere.
    if (!application.ouvrirExerciceTransmis)
        application.ouvrirExerciceTransmis = [this](const QString& exercice) {
            return menuExercice->ouvrirExerciceTransmis(exercice);
        };
}

void FeuilleP::construireOnglets() {
    Onglets = new BandeOnglets(this);
    Onglets->setObjectName("Onglets");
    Onglets->setGeometry(8, 328, 413, 221);
    Picture4 = new PanneauReaction(liaison_, Onglets);
    Picture3 = new PanneauConditions(liaison_, Onglets);
    frame2 = new PanneauAffichage(liaison_, Onglets);
    Picture1 = new PanneauSuivi(liaison_, Onglets);
    rtf1 = new QTextEdit(Onglets);
    rtf1->setObjectName("rtf1");
    rtf1->setReadOnly(true);
    rtf1->hide();
    Onglets->setPanneaux({Picture4, Picture3, frame2, Picture1, rtf1});
    Picture4->couleurEspece = [this](int espece) { return Picture1->couleurCourbe(espece); };
}

void FeuilleP::relier() {
    connect(Picture4->Combo1, &QComboBox::currentIndexChanged, this, &FeuilleP::Combo1_Click);
    auto* saisie = new SaisieQuantite([this](int index) { modele_.Text1_LostFocus(index); }, this);
    for (int k = 0; k < 4; ++k)
        saisie->surveiller(Picture4->Text1[k], k);
    connect(Picture3, &PanneauConditions::apparatusChange, this, [this] { modele_.fondi(); });
    connect(Picture1, &PanneauSuivi::dureeChangee, this, [this] { modele_.VScroll2_Change(); });
    connect(Picture1, &PanneauSuivi::lignesChangees, this, [this] { modele_.VScroll3_Change(); });
    connect(Picture1, &PanneauSuivi::representationChangee, this, [this] { modele_.Option1_Click(); });
    connect(Picture1, &PanneauSuivi::couleurDemandee, this, [this](int espece) { modele_.Label4_Click(espece); });
    connect(Command9, &QPushButton::clicked, this, [this] { modele_.Command9_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { modele_.Command3_Click(); });
    connect(Command8, &QPushButton::clicked, this, &FeuilleP::Command8_Click);
    connect(Command4, &QPushButton::clicked, this, &FeuilleP::Command4_Click);
    connect(Command10, &QPushButton::clicked, this, &FeuilleP::Command10_Click);
    connect(Command7, &QPushButton::clicked, this, &FeuilleP::Command7_Click);
    connect(Command5, &QPushButton::clicked, this, [this] { modele_.Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { modele_.Command6_Click(); });
    connect(frame2->Check1, &QCheckBox::clicked, this, [this] { modele_.Check1_Click(); });
    connect(frame2->Check2, &QCheckBox::clicked, this, [this] { modele_.Check2_Click(); });
    connect(frame2->Check3, &QCheckBox::clicked, this, &FeuilleP::Check3_Click);
    for (QCheckBox* choix : Picture1->option2)
        connect(choix, &QCheckBox::clicked, this, [this] { modele_.option2_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { ouvrirConfiguration(*this); });
    connect(Command11, &QPushButton::clicked, this, [this] { enregistrerConfiguration(*this); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void FeuilleP::choisirOnglet(int onglet) {
    const int milieu = (Onglets->bordsOnglets[onglet - 1] + Onglets->bordsOnglets[onglet]) / 2;
    Onglets->relacher(milieu, Onglets->hauteurTitre() / 2);
}

void FeuilleP::installerIndices() {
    auto* survol = new SurvolIndices(info, messageCopie, this);
    for (QWidget* controle : std::initializer_list<QWidget*>{
             this, Command1, Command2, Command4, Command6, Command7, Command8, Command10, Command11,
             Command12, Picture4, Picture3, frame2, Picture1, btexo, animpic, Picture2})
        survol->surveiller(controle);
    for (QWidget* boite : Picture4->Text1)
        survol->surveiller(boite);
    for (QWidget* choix : Picture1->option2)
        survol->surveiller(choix);
    for (int i = 1; i <= 4; ++i)
        survol->surveiller(Picture1->Label4[i]);
    decrireControles(this);
}

void FeuilleP::installerClavier() {
    const auto texte = [](std::string_view t) { return QString::fromUtf8(t.data(), static_cast<int>(t.size())); };
    // The controls by name, found in one walk for the two tables.
    QHash<QString, QWidget*> nommes;
    for (QWidget* w : findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !nommes.contains(w->objectName())) nommes.insert(w->objectName(), w);
    QList<QWidget*> ordre;
    for (const std::string_view nom : chaineTabulationFeuilleP())
        ordre << nommes.value(texte(nom));
    for (int i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);

    // The grid and the exercise text let Tab leave them: the student cannot
    // type a tab into the exercise text.
    MSFlexGrid1->setTabKeyNavigation(false);
    supertext->setTabChangesFocus(true);
    rtf1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* cadre = new CadreFocus(this);
    for (QWidget* controle : std::initializer_list<QWidget*>{
             Picture3->HScroll1, frame2->HScroll2, Picture1->VScroll2, Picture1->VScroll3, fich, rtf1})
        cadre->encadrer(controle);
    for (int i = 1; i <= 4; ++i)
        cadre->encadrer(Picture1->Label4[i]);

    // The tabs change from anywhere in the window.
    const std::initializer_list<std::pair<QKeyCombination, int>> touches = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto& [touche, sens] : touches)
        connect(new QShortcut(QKeySequence(touche), this), &QShortcut::activated, Onglets,
                [this, sens = sens] { Onglets->suivant(sens); });

    for (const FicheControle& fiche : controlesFeuilleP()) {
        QWidget* controle = nommes.value(texte(fiche.nom));
        if (!controle) continue;
        if (!fiche.infoBulle.empty()) controle->setToolTip(texte(fiche.infoBulle));
        if (!fiche.nomAccessible.empty()) controle->setAccessibleName(texte(fiche.nomAccessible));
    }
    MSFlexGrid1->setAccessibleName(Label1[6]->text());
}

bool FeuilleP::focusNextPrevChild(bool suivant) {
    QWidget* cible = voisinTabulation(this, QApplication::focusWidget(), suivant);
    if (!cible) return false;
    cible->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FeuilleP::chargement() {
    annoncerEnMarche(application, true);
    appliquerTaille();
    info->setText(QString::fromUtf8(indiceFenetre.data(), static_cast<int>(indiceFenetre.size())));
    messageCopie = QString::fromUtf8(vedo::messageCopie.data(), static_cast<int>(vedo::messageCopie.size()));
    grilleEnAttente_ = true;

    QComboBox* reactions = Picture4->Combo1;
    {
        const QSignalBlocker bloque(reactions);
        for (const auto& nom : nomsReactions())
            reactions->addItem(QString::fromStdString(nom));
        reactions->setCurrentIndex(-1);
    }
    reactions->setCurrentIndex(0);
    for (const auto& nom : nomsClasses())
        Picture4->Combo2->addItem(QString::fromStdString(nom));
    Picture4->Combo2->setCurrentIndex(0);
    Picture1->VScroll2->setValue(positionDureeDemarrage);
    Picture1->VScroll3->setValue(60);
    modele_.fondi();
    grilleEnAttente_ = false;
    modele_.Command9_Click();
}

void FeuilleP::activation() {
    ++nombreActivations_;
    colorer(rtf1, QPalette::Base, couleurs::panneau);
    modele_.Form_Activate(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    recevoirExerciceTransmis(application);
    disposerTableau();
}

void FeuilleP::disposerTableau() {
    const int largeur = Frame3->contentsRect().width();
    const int colonne = largeur / 6;
    const int hautEntetes = 42;
    MSFlexGrid1->setGeometry(0, hautEntetes, largeur, Frame3->contentsRect().height() - hautEntetes - 2);
    MSFlexGrid1->setColumnWidth(0, colonne - 20);
    for (int c = 1; c < 6; ++c)
        MSFlexGrid1->setColumnWidth(c, colonne);
    int gauche = 0;
    for (int c = 0; c < 6; ++c) {
        const int large = MSFlexGrid1->columnWidth(c);
        const bool espece = c >= 1 && c <= 4;
        Label1[c]->setGeometry(gauche, espece ? 14 : 0, large + 1, espece ? hautEntetes - 14 : hautEntetes);
        gauche += large;
    }
    Label1[6]->setGeometry(Label1[1]->x(), 0, 4 * colonne + 1, 14);
}

void FeuilleP::reglagesAppliques(int dernierEnregistrement) {
    // The species names on the reaction panel take the loaded curve colours;
    // the graph takes them at its next redraw.
    if (dernierEnregistrement >= 9 && Picture4->isVisible()) Picture4->dessiner();
    update();
}

void FeuilleP::dessinerAppareil(const std::function<void(Surface&, int, int)>& dessin) {
    QImage& image = animpic->imageADessiner();
    QPainter peintre(&image);
    SurfaceQt surface(peintre, image.size());
    dessin(surface, image.width(), image.height());
}

void FeuilleP::decrireAppareil(const std::string& description) {
    animpic->setAccessibleDescription(QString::fromStdString(description) + "\n" +
                                      indice(animpic->objectName(), {}, {}, {}));
}

void FeuilleP::Combo1_Click() {
    if (Picture4->isVisible()) Picture4->dessiner();
    modele_.Combo1_Click();
}

void FeuilleP::especesNommees() {
    std::array<QString, 5> noms;
    for (std::size_t i = 1; i <= 4; ++i)
        noms[i] = QString::fromStdString(modele_.nomEspece[i]);
    Picture1->setNomsEspeces({noms[1], noms[2], noms[3], noms[4]});
    // Filling the list must not select an entry by itself.
    QComboBox* volatile_ = Picture3->Combo3;
    const int choisi = volatile_->currentIndex();
    {
        const QSignalBlocker bloque(volatile_);
        while (volatile_->count() < 4)
            volatile_->addItem(QString());
        volatile_->setCurrentIndex(choisi);
    }
    for (int i = 1; i <= 4; ++i)
        volatile_->setItemText(i - 1, noms[static_cast<std::size_t>(i)]);
}

void FeuilleP::Command8_Click() {
    Machine machine(application.memoire, this);
    application.prompteur.executer(machine);
}

void FeuilleP::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    SurfaceQt surface(peintre, size());
    dessinerFondFeuilleP(surface, tailleFeuilleP.width(), tailleFeuilleP.height(), {supertext->x(), fich->y()},
                         {supertext->x() + supertext->width(), supertext->y() + supertext->height()});
}

// The size is the outer one, frame included: before the first show the window
// manager is asked for the frame it will give, so that the student never sees
// the window at another size.
void FeuilleP::appliquerTaille() {
    const QScreen* ecran = screen();
    if (!ecran) return;
    const auto cadre = cadreFeuilleP(ecran->geometry().size());
    if (!cadre) return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    // Measured once: a maximised frame often lacks the borders, and the
    // window may not know yet that it is maximised.
    if (bords_.isNull()) bords_ = bordsFenetre(*this);
    ajustementTaille_ = true;
    setGeometry(cadre->translated(ecran->geometry().topLeft()).marginsRemoved(bords_));
    ajustementTaille_ = false;
}

void FeuilleP::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Any resize brings the window back to its size, once the resize is over.
    if (!ajustementTaille_ && isVisible() && frameGeometry().size() != tailleFeuilleP)
        QTimer::singleShot(0, this, &FeuilleP::appliquerTaille);
}

void FeuilleP::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        QTimer::singleShot(0, this, &FeuilleP::appliquerTaille);
}

// Every close, whatever asked for it, goes through the questions.
void FeuilleP::closeEvent(QCloseEvent* event) {
    if (!confirmerFermeture(*this)) {
        event->ignore();
        return;
    }
    dechargement(*this);
    event->accept();
}

// The main window becomes the active window of the program at its first show,
// whatever the window manager does, and each time one of the program's own
// windows closes: open and save dialogs, exercise window, calculator, print
// dialog, all run by `Prompter::executer`. The window system's activations
// are not the program's: coming back from another program, or after a message
// box, a colour, file or printer dialog of the platform, a menu or the help
// window changes nothing.
void FeuilleP::suivreActivation() {
    application.prompteur.fenetrePropreFermee = [this] { activation(); };
}

void FeuilleP::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (montree_) return;
    montree_ = true;
    QMetaObject::invokeMethod(this, &FeuilleP::activation, Qt::QueuedConnection);
}

} // namespace vedo
