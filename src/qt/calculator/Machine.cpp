#include "calculator/Machine.h"

#include "platform/SurfaceQt.h"
#include "view/DessinMachine.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vedo {

namespace {

// Keys lighten towards the top like moulded plastic; each family has its tint.
QString styleTouches() {
    const auto famille = [](const char* proprietes, const char* haut, const char* bas, const char* texte) {
        return QString("QPushButton[famille=\"%1\"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 %2, stop:1 %3); color: %4; }\n")
            .arg(proprietes, haut, bas, texte);
    };
    return "QPushButton { border: 1px solid #1f4f4f; border-radius: 4px; font-family: Arial; font-size: 8pt;"
           " font-weight: bold; padding: 0px; }\n"
           "QPushButton:pressed { padding-top: 2px; border-color: #000000; }\n" +
           famille("chiffre", "#ffffff", "#d6dcdc", "#102020") +
           famille("fonction", "#e4f6f6", "#9fcaca", "#0b3b3b") +
           famille("prefixe", "#f3f8ff", "#c3d3e6", "#1c2f4a") +
           famille("operateur", "#fff6e6", "#f0c98a", "#4a2a00") +
           famille("memoire", "#eeeeee", "#b9c2c2", "#1b2b2b") +
           famille("effacement", "#ffe9e6", "#e79c92", "#5a0c00") +
           famille("calcul", "#ffd9a0", "#f08a24", "#3a1800") +
           "QPushButton[famille=\"chiffre\"] { font-size: 11pt; }\n"
           "QPushButton[famille=\"operateur\"], QPushButton[famille=\"calcul\"] { font-size: 12pt; }\n"
           // Symbols read better large and light; the long INV captions need room.
           "QPushButton#racine, QPushButton#pi, QPushButton#Bexp, QPushButton#B10x, QPushButton#puissance,"
           " QPushButton#btcarre, QPushButton#EFFACE { font-size: 12pt; font-weight: normal; }\n"
           "QPushButton#invsin, QPushButton#invcos, QPushButton#Btoncommande3 { font-size: 7pt; }\n"
           "QGroupBox { border: 1px solid #0b4b4b; border-radius: 4px; margin-top: 7px; font-family: Arial;"
           " font-size: 8pt; font-weight: bold; color: #0b3b3b; }\n"
           "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }\n"
           "QRadioButton { font-family: Arial; font-size: 8pt; color: #0b2b2b; }\n"
           "QLineEdit#z1 { color: #102418;"
           " background: #d9ead0; border: 2px solid #244; border-radius: 3px; padding: 0 4px; }\n";
}

QString texte(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Machine::Machine(double& memoire, QWidget* parent)
    : QDialog(parent), modele_(memoire), z1_(new QLineEdit(this)) {
    setWindowTitle(texte(std::string(ModeleMachine::titre)));
    setFixedSize(largeur, hauteur);
    setModal(true);
    setStyleSheet(styleTouches());
    modele_.bip = [] { QApplication::beep(); };
    modele_.actualise = [this](const EtatControle& etat, bool immediat) { actualiser(etat, immediat); };

    z1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    z1_->setContextMenuPolicy(Qt::NoContextMenu);
    z1_->installEventFilter(this);
    creerControles();
    montrerAffichage(texte(modele_.affichage()), false);
}

void Machine::creerControles() {
    QHash<QString, QVBoxLayout*> cadres;
    for (const EtatControle& etat : modele_.controles()) {
        const QString nom = texte(etat.nom);
        const QRect place(etat.place.x, etat.place.y, etat.place.largeur, etat.place.hauteur);
        QWidget* widget = nullptr;
        switch (etat.genre) {
        case GenreControle::saisie:
            widget = z1_;
            widget->setObjectName(nom);
            break;
        case GenreControle::cadre: {
            auto* groupe = new QGroupBox(texte(etat.legende), this);
            auto* disposition = new QVBoxLayout(groupe);
            disposition->setContentsMargins(10, 12, 6, 4);
            disposition->setSpacing(2);
            cadres.insert(nom, disposition);
            widget = groupe;
            break;
        }
        case GenreControle::option: {
            auto* bouton = new QRadioButton(texte(etat.legende));
            cadres.value(texte(etat.cadre))->addWidget(bouton);
            bouton->setObjectName(nom);
            bouton->setFocusPolicy(Qt::NoFocus);
            bouton->setChecked(etat.coche);
            connect(bouton, &QRadioButton::clicked, this, [this, nom = etat.nom] { modele_.cliquer(nom); });
            widgets_.insert(nom, bouton);
            continue;
        }
        case GenreControle::bouton: {
            auto* bouton = new QPushButton(texte(etat.legende), this);
            bouton->setObjectName(nom);
            bouton->setToolTip(texte(etat.infoBulle));
            bouton->setProperty("famille", texte(etat.famille));
            // The display keeps the focus, and Enter is "EXE", never a default button.
            bouton->setFocusPolicy(Qt::NoFocus);
            bouton->setAutoDefault(false);
            connect(bouton, &QPushButton::clicked, this, [this, nom = etat.nom] { modele_.cliquer(nom); });
            widget = bouton;
            break;
        }
        default: // kinds of control the calculator does not have
            continue;
        }
        widget->setGeometry(place);
        widgets_.insert(nom, widget);
    }
}

void Machine::actualiser(const EtatControle& etat, bool immediat) {
    if (etat.genre == GenreControle::saisie) {
        montrerAffichage(texte(etat.legende), immediat);
    } else if (auto* option = qobject_cast<QRadioButton*>(widgets_.value(texte(etat.nom)))) {
        option->setChecked(etat.coche);
    }
}

void Machine::montrerAffichage(const QString& affiche, bool immediat) {
    if (immediat) {
        z1_->setText(affiche);
        z1_->repaint();
        return;
    }
    const int largeurUtile = z1_->contentsRect().width() - 12;
    const auto police = ModeleMachine::policeAffichage(
        affiche.toStdString(), largeurUtile, [](const std::string& t, int points, bool gras) {
            return QFontMetrics(QFont("Arial", points, gras ? QFont::Bold : QFont::Normal))
                .horizontalAdvance(QString::fromStdString(t));
        });
    z1_->setFont(QFont("Arial", police.points, police.gras ? QFont::Bold : QFont::Normal));
    if (z1_->text() != affiche) z1_->setText(affiche);
    z1_->setFocus();
    z1_->setCursorPosition(affiche.size());
}

bool Machine::frappe(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return modele_.frapper('\r');
    const QString tape = event.key() == Qt::Key_Backspace ? QString('\b') : event.text();
    if (tape.size() != 1 || tape[0].unicode() > 127) return false;
    return modele_.frapper(tape[0].toLatin1());
}

void Machine::keyPressEvent(QKeyEvent* event) {
    if (!frappe(*event)) QDialog::keyPressEvent(event);
}

// Every key typed in the display goes through the keyboard rules, so that
// it always shows the calculator's text; Tab and Escape keep their use.
bool Machine::eventFilter(QObject* objet, QEvent* event) {
    if (objet == z1_ && event->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (touche->key() == Qt::Key_Escape || touche->key() == Qt::Key_Tab ||
            touche->key() == Qt::Key_Backtab)
            return false;
        frappe(*touche);
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

void Machine::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    SurfaceQt surface(peintre, size());
    dessinerFaceMachine(surface, largeur, hauteur);
}

} // namespace vedo
