#include "output/Confimp.h"

#include "output/ChoixImprimante.h"
#include "output/FeuillesImprimante.h"
#include "output/Grille.h"
#include "output/MiseEnPage.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vedo {

namespace {
constexpr int maximumExemplaires = 99;
constexpr int ecartSousFenetre = 20; // pixels below the main window's top

template <typename W> W* nomme(W* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}
} // namespace

Confimp::Confimp(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre)
    : QDialog(fenetre), prompter_(prompter), choix_(choix), vues_(vues) {
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(QStringLiteral("Imprimer"));
    setModal(true);

    defaut_ = nomme(new QLineEdit, "defaut");
    defaut_->setReadOnly(true);
    Text1_ = nomme(new QLineEdit(QStringLiteral("Talvenore - Vedoriruvirivi")), "Text1");
    // The spin box shows the count itself, in place of a label beside an
    // up-down control.
    UpDown1_ = nomme(new QSpinBox, "UpDown1");
    UpDown1_->setRange(1, maximumExemplaires);
    UpDown1_->setValue(1);

    Frame1_ = nomme(new QGroupBox(QStringLiteral("Options")), "Frame1");
    auto* options = new QVBoxLayout(Frame1_);
    const char* legendes[] = {"L'animation", "Le graphe", "Le tableau de valeur"};
    for (std::size_t i = 0; i < Check1_.size(); ++i) {
        Check1_[i] = nomme(new QCheckBox(QString::fromUtf8(legendes[i])), "Check1");
        Check1_[i]->setProperty("index", static_cast<int>(i));
        options->addWidget(Check1_[i]);
    }
    Check1_[0]->setChecked(true);
    Check1_[1]->setChecked(true);
    Check1_[2]->setEnabled(vues_.tableau != nullptr);

    Command1_ = nomme(new QPushButton(QStringLiteral("&OK")), "Command1");
    Command2_ = nomme(new QPushButton(QStringLiteral("&Imprimantes")), "Command2");
    Command3_ = nomme(new QPushButton(QStringLiteral("&Annuler")), "Command3");
    Command1_->setDefault(true);

    frame2_ = nomme(new QFrame, "frame2");
    frame2_->setFrameShape(QFrame::Box);
    auto* patience = new QVBoxLayout(frame2_);
    patience->addWidget(new QLabel(QStringLiteral("Veuillez patienter quelques instants...")), 0,
                        Qt::AlignCenter);
    frame2_->hide();

    auto* champs = new QGridLayout;
    champs->addWidget(new QLabel(QStringLiteral("Imprimante:")), 0, 0);
    champs->addWidget(defaut_, 0, 1);
    champs->addWidget(new QLabel(QStringLiteral("Titre de la page :")), 1, 0);
    champs->addWidget(Text1_, 1, 1);
    champs->addWidget(new QLabel(QStringLiteral("Nombre d'exemplaires :")), 2, 0);
    champs->addWidget(UpDown1_, 2, 1, Qt::AlignLeft);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(Command1_);
    boutons->addWidget(Command2_);
    boutons->addWidget(Command3_);
    boutons->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addWidget(Frame1_, 1);
    bas->addLayout(boutons);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(champs);
    tout->addLayout(bas);
    tout->addWidget(frame2_);

    connect(Command1_, &QPushButton::clicked, this, &Confimp::Command1_Click);
    connect(Command2_, &QPushButton::clicked, this, &Confimp::Command2_Click);
    connect(Command3_, &QPushButton::clicked, this, &QDialog::reject);

    afficherImprimante();
    adjustSize();
    if (fenetre) {
        const QRect cadre = fenetre->frameGeometry();
        move(cadre.left() + (cadre.width() - width()) / 2, cadre.top() + ecartSousFenetre);
    }
}

void Confimp::afficherImprimante() {
    defaut_->setText(choix_.nom());
    defaut_->setCursorPosition(0);
    const int largeur = defaut_->fontMetrics().horizontalAdvance(defaut_->text()) + 16;
    defaut_->setMinimumWidth(std::clamp(largeur, 280, 560));
}

void Confimp::Command2_Click() {
    choix_.regler(prompter_, this);
    afficherImprimante();
}

void Confimp::attendre(bool oui) {
    for (QWidget* controle : {static_cast<QWidget*>(Command1_), static_cast<QWidget*>(Command2_),
                              static_cast<QWidget*>(Command3_), static_cast<QWidget*>(Frame1_)})
        controle->setVisible(!oui);
    frame2_->setVisible(oui);
    // The waiting message must be on screen before the printer work starts.
    if (isVisible()) repaint();
}

void Confimp::Command1_Click() {
    if (!choix_.preparer(prompter_, this)) return;
    attendre(true);

    Impression impression;
    impression.titre = Text1_->text();
    impression.exemplaires = UpDown1_->value();
    if (Check1_[0]->isChecked()) impression.animation = vues_.animation;
    if (Check1_[1]->isChecked()) impression.graphe = vues_.graphe;
    if (Check1_[2]->isChecked() && vues_.tableau)
        impression.tableau = imageGrille(*vues_.tableau, vues_.enTeteTableau);

    FeuillesImprimante feuilles(choix_.imprimante());
    if (!feuilles.ouverte()) {
        attendre(false);
        signalerEchecImpression(prompter_, this);
        return;
    }
    imprimerCopies(feuilles, impression);
    feuilles.terminer();
    accept();
}

void imprimerFenetre(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre) {
    Confimp dialogue(prompter, choix, vues, fenetre);
    prompter.executer(dialogue);
}

} // namespace vedo
