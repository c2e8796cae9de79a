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
QString texte(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

Confimp::Confimp(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre)
    : QDialog(fenetre), prompter_(prompter), choix_(choix), vues_(vues),
      modele_(services(), vues.tableau != nullptr) {
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(texte(std::string(ModeleConfimp::titre)));
    setModal(true);
    creerControles();
    modele_.actualise = [this](const EtatControle& etat, bool immediat) { actualiser(etat, immediat); };
    ajusterImprimante();
    adjustSize();
    if (fenetre) {
        const QRect cadre = fenetre->frameGeometry();
        move(cadre.left() + (cadre.width() - width()) / 2, cadre.top() + ModeleConfimp::ecartSousFenetre);
    }
}

ServicesImpression Confimp::services() {
    ServicesImpression s;
    s.nomImprimante = [this] { return choix_.nom().toStdString(); };
    s.reglerImprimante = [this] { choix_.regler(prompter_, this); };
    s.preparer = [this] { return choix_.preparer(prompter_, this); };
    s.imprimer = [this](const ChoixImpression& c) { return imprimer(c); };
    s.signalerEchec = [this] { signalerEchecImpression(prompter_, this); };
    s.fermer = [this](bool imprime) { imprime ? accept() : reject(); };
    return s;
}

bool Confimp::imprimer(const ChoixImpression& choix) {
    Impression impression;
    impression.titre = texte(choix.titre);
    impression.exemplaires = choix.exemplaires;
    if (choix.animation) impression.animation = vues_.animation;
    if (choix.graphe) impression.graphe = vues_.graphe;
    if (choix.tableau && vues_.tableau) impression.tableau = imageGrille(*vues_.tableau, vues_.enTeteTableau);
    FeuillesImprimante feuilles(choix_.imprimante());
    if (!feuilles.ouverte()) return false;
    imprimerCopies(feuilles, impression);
    feuilles.terminer();
    return true;
}

void Confimp::creerControles() {
    const auto nom = [](const EtatControle& e) {
        // The three boxes share their name, each with its index.
        const auto parenthese = e.nom.find('(');
        return texte(e.nom.substr(0, parenthese));
    };
    QHash<QString, QLayout*> cadres;
    for (const EtatControle& e : modele_.controles()) {
        QWidget* w = nullptr;
        switch (e.genre) {
        case GenreControle::saisie: {
            auto* boite = new QLineEdit(texte(e.legende));
            boite->setReadOnly(e.lectureSeule);
            if (!e.lectureSeule)
                connect(boite, &QLineEdit::textEdited, this,
                        [this, n = e.nom](const QString& t) { modele_.changer(n, t.toStdString()); });
            w = boite;
            break;
        }
        case GenreControle::nombre: {
            // The spin box shows the count itself, in place of a label beside
            // an up-down control.
            auto* nombre = new QSpinBox;
            nombre->setRange(e.minimum, e.maximum);
            nombre->setValue(e.valeur);
            connect(nombre, &QSpinBox::valueChanged, this, [this, n = e.nom](int v) { modele_.changer(n, v); });
            w = nombre;
            break;
        }
        case GenreControle::cadre: {
            auto* groupe = new QGroupBox(texte(e.legende));
            cadres.insert(texte(e.nom), new QVBoxLayout(groupe));
            w = groupe;
            break;
        }
        case GenreControle::caseACocher:
        case GenreControle::option: {
            auto* boite = new QCheckBox(texte(e.legende));
            boite->setProperty("index", std::stoi(e.nom.substr(e.nom.find('(') + 1)));
            boite->setChecked(e.coche);
            boite->setEnabled(e.actif);
            connect(boite, &QCheckBox::toggled, this, [this, n = e.nom](bool c) { modele_.cocher(n, c); });
            cadres.value(texte(e.cadre))->addWidget(boite);
            w = boite;
            break;
        }
        case GenreControle::bouton: {
            auto* bouton = new QPushButton(texte(e.legende));
            bouton->setDefault(e.parDefaut);
            connect(bouton, &QPushButton::clicked, this, [this, n = e.nom] { modele_.cliquer(n); });
            w = bouton;
            break;
        }
        case GenreControle::etiquette: {
            auto* cadre = new QFrame;
            cadre->setFrameShape(QFrame::Box);
            auto* disposition = new QVBoxLayout(cadre);
            disposition->addWidget(new QLabel(texte(e.legende)), 0, Qt::AlignCenter);
            w = cadre;
            break;
        }
        }
        w->setObjectName(nom(e));
        // Shown with the dialog; a widget shown before its layout takes it would be a window of its own.
        if (!e.visible) w->hide();
        widgets_.insert(texte(e.nom), w);
    }

    auto* champs = new QGridLayout;
    champs->addWidget(new QLabel(QStringLiteral("Imprimante:")), 0, 0);
    champs->addWidget(widgets_.value("defaut"), 0, 1);
    champs->addWidget(new QLabel(QStringLiteral("Titre de la page :")), 1, 0);
    champs->addWidget(widgets_.value("Text1"), 1, 1);
    champs->addWidget(new QLabel(QStringLiteral("Nombre d'exemplaires :")), 2, 0);
    champs->addWidget(widgets_.value("UpDown1"), 2, 1, Qt::AlignLeft);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(widgets_.value("Command1"));
    boutons->addWidget(widgets_.value("Command2"));
    boutons->addWidget(widgets_.value("Command3"));
    boutons->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addWidget(widgets_.value("Frame1"), 1);
    bas->addLayout(boutons);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(champs);
    tout->addLayout(bas);
    tout->addWidget(widgets_.value("frame2"));
}

void Confimp::actualiser(const EtatControle& etat, bool immediat) {
    QWidget* w = widgets_.value(texte(etat.nom));
    if (!w) return;
    w->setVisible(etat.visible);
    if (auto* boite = qobject_cast<QLineEdit*>(w); boite && boite->text() != texte(etat.legende)) {
        boite->setText(texte(etat.legende));
        if (etat.nom == "defaut") ajusterImprimante();
    } else if (auto* nombre = qobject_cast<QSpinBox*>(w)) {
        nombre->setValue(etat.valeur);
    }
    if (immediat && isVisible()) repaint();
}

void Confimp::ajusterImprimante() {
    auto* defaut = static_cast<QLineEdit*>(widgets_.value("defaut"));
    defaut->setCursorPosition(0);
    const int largeur = defaut->fontMetrics().horizontalAdvance(defaut->text()) + 16;
    defaut->setMinimumWidth(std::clamp(largeur, 280, 560));
}

void imprimerFenetre(Prompter& prompter, ChoixImprimante& choix, const Vues& vues, QWidget* fenetre) {
    Confimp dialogue(prompter, choix, vues, fenetre);
    prompter.executer(dialogue);
}

} // namespace vedo
