#include "calculator/Machine.h"

#include "calculator/MachineTouches.h"
#include "common/Rounding.h"

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

QString nomFamille(FamilleTouche f) {
    switch (f) {
    case FamilleTouche::chiffre:
        return "chiffre";
    case FamilleTouche::fonction:
        return "fonction";
    case FamilleTouche::prefixe:
        return "prefixe";
    case FamilleTouche::operateur:
        return "operateur";
    case FamilleTouche::memoire:
        return "memoire";
    case FamilleTouche::effacement:
        return "effacement";
    case FamilleTouche::calcul:
        break;
    }
    return "calcul";
}

} // namespace

Machine::Machine(double& memoire, QWidget* parent)
    : QDialog(parent), calculatrice_(memoire), z1_(new QLineEdit(this)) {
    setWindowTitle("Machine à calculer");
    setFixedSize(largeur, hauteur);
    setModal(true);
    setStyleSheet(styleTouches());
    calculatrice_.bip = [] { QApplication::beep(); };

    z1_->setObjectName("z1");
    z1_->setGeometry(10, 10, 282, 40);
    z1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    z1_->setContextMenuPolicy(Qt::NoContextMenu);
    z1_->installEventFilter(this);

    creerModes();
    creerTouches();
    actualiser();
}

void Machine::creerModes() {
    const auto cadre = [this](const QString& titre, QRect place, const QStringList& options, const char* nom,
                              int coche) {
        auto* groupe = new QGroupBox(titre, this);
        groupe->setGeometry(place);
        auto* disposition = new QVBoxLayout(groupe);
        disposition->setContentsMargins(10, 12, 6, 4);
        disposition->setSpacing(2);
        QList<QRadioButton*> boutons;
        for (int i = 0; i < options.size(); ++i) {
            auto* bouton = new QRadioButton(options[i], groupe);
            bouton->setObjectName(nom + QString::number(i));
            bouton->setFocusPolicy(Qt::NoFocus);
            bouton->setChecked(i == coche);
            disposition->addWidget(bouton);
            boutons << bouton;
        }
        return boutons;
    };
    const auto angle = cadre("Angles", {10, 56, 136, 58}, {"Degrés", "Radians"}, "angle", 0);
    connect(angle[1], &QRadioButton::toggled, this, [this](bool radians) {
        calculatrice_.choisirAngle(radians ? ModeAngle::radians : ModeAngle::degres);
    });
    const auto affichage = cadre("Affichage", {156, 56, 136, 58}, {"Scientifique", "Standard"}, "C", 1);
    for (auto* bouton : affichage) {
        connect(bouton, &QRadioButton::clicked, this, [this, scientifique = affichage[0]] {
            calculatrice_.choisirAffichage(scientifique->isChecked());
            actualiser();
        });
    }
}

void Machine::creerTouches() {
    for (const auto& touche : touchesMachine()) {
        auto* bouton = new QPushButton(touche.legende, this);
        bouton->setObjectName(touche.nom);
        bouton->setGeometry(touche.place);
        bouton->setToolTip(touche.infoBulle);
        bouton->setProperty("famille", nomFamille(touche.famille));
        // The display keeps the focus, and Enter is "EXE", never a default button.
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setAutoDefault(false);
        if (touche.action) {
            connect(bouton, &QPushButton::clicked, this, [this, action = touche.action] {
                action(calculatrice_);
                actualiser();
            });
        } else {
            connect(bouton, &QPushButton::clicked, this, &Machine::executer);
        }
    }
}

void Machine::executer() {
    z1_->setText(QString::fromStdString(std::string(Calculatrice::messageAttente)));
    z1_->repaint(); // a long entry takes a moment: the message must be seen
    calculatrice_.executer([this] { return !z1_->text().trimmed().isEmpty(); });
    actualiser();
}

void Machine::actualiser() {
    const QString texte = QString::fromStdString(calculatrice_.affichage());
    ajusterPolice(texte);
    if (z1_->text() != texte) z1_->setText(texte);
    z1_->setFocus();
    z1_->setCursorPosition(texte.size());
}

// The error messages are long: the display's font shrinks until the text
// fits, down to a size still easy to read; a longer entry scrolls.
void Machine::ajusterPolice(const QString& texte) {
    constexpr int grande = 13;
    constexpr int petite = 7;
    const int largeurUtile = z1_->contentsRect().width() - 12;
    QFont police("Arial", grande, QFont::Bold);
    while (police.pointSize() > petite && QFontMetrics(police).horizontalAdvance(texte) > largeurUtile) {
        police.setPointSize(police.pointSize() - 1);
        police.setBold(police.pointSize() >= 10); // thin strokes are more legible when small
    }
    z1_->setFont(police);
}

bool Machine::frappe(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        executer();
        return true;
    }
    const QString texte = event.key() == Qt::Key_Backspace ? QString('\b') : event.text();
    if (texte.size() != 1 || texte[0].unicode() > 127) return false;
    if (!calculatrice_.frappe(texte[0].toLatin1())) return false;
    actualiser();
    return true;
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
    for (int x = 0; x < largeur; ++x) {
        const int c = static_cast<int>(arrondiPair(200.0 - x / 2.0));
        peintre.setPen(QColor(c, c + 50, c + 50));
        peintre.drawLine(x, 0, x, hauteur - 1);
    }
    const auto cadre = [&peintre](QColor couleur, int x1, int y1, int x2, int y2) {
        peintre.setPen(couleur);
        peintre.drawRect(x1, y1, x2 - x1, y2 - y1);
    };
    cadre(Qt::white, 1, 1, 299, 428);
    peintre.setPen(Qt::black);
    peintre.drawLine(1, 1, 299, 1);
    peintre.drawLine(1, 1, 1, 427);
    // The framed area of the digit keys.
    cadre(Qt::white, 82, 290, 206, 421);
    cadre(QColor(0, 128, 128), 81, 289, 205, 420);
}

} // namespace vedo
