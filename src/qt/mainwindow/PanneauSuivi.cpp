#include "mainwindow/PanneauSuivi.h"

#include "engine/Durations.h"
#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/LiaisonReglages.h"
#include "platform/DessinQt.h"
#include "view/GraphPainter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vedo {

namespace {
// Printed on the panel; the selectors beside them take them as names.
const QString texteDuree = QStringLiteral("Durée de l'enregistrement : ");
const QString texteLignes = QStringLiteral("Nombre de lignes : ");
} // namespace

PanneauSuivi::PanneauSuivi(LiaisonReglages& liaison, QWidget* parent)
    : Panneau("Picture1", parent), liaison_(liaison) {
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(176, 8, 89, 17);
    VScroll2 = new QScrollBar(Qt::Vertical, this);
    VScroll2->setObjectName("VScroll2");
    VScroll2->setRange(premierePositionDuree, dernierePositionDuree);
    VScroll2->setSingleStep(1);
    VScroll2->setPageStep(1);
    VScroll2->setValue(10);
    VScroll2->setGeometry(265, 8, 17, 17);

    Option1[0] = new QRadioButton("Représentation graphique", this);
    Option1[0]->setObjectName("Option1(0)");
    Option1[0]->setGeometry(40, 40, 185, 17);
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton("Tableau de valeurs", this);
    Option1[1]->setObjectName("Option1(1)");
    Option1[1]->setGeometry(40, 144, 185, 17);

    // A plain frame: a group box's style would shade its inside darker
    // than the panel.
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(56, 64, 297, 73);
    Frame1->setAccessibleName("Courbes représentées");
    for (int i = 0; i < 4; ++i) {
        option2[i] = new QCheckBox(Frame1);
        option2[i]->setObjectName(QString("option2(%1)").arg(i));
        option2[i]->setGeometry(28, 4 + 16 * i, 262, 16);
        option2[i]->setChecked(true);
        auto* pastille = new QLabel(Frame1);
        pastille->setObjectName(QString("Label4(%1)").arg(i + 1));
        pastille->setGeometry(10, 6 + 16 * i, 12, 12);
        pastille->setAutoFillBackground(true);
        pastille->setFrameShape(QFrame::Box);
        pastille->installEventFilter(this);
        pastille->setFocusPolicy(Qt::TabFocus);
        Label4[i + 1] = pastille;
        setCouleurCourbe(i, couleurs::courbes[i]);
        liaison.lier(
            9 + i, [this, i] { return texteEntierEnregistrement(entierDepuisCouleur(couleurDe(couleurCourbe(i)))); },
            [this, i](const Configuration& c) {
                setCouleurCourbe(i, couleurQt(couleurDepuisEntier(static_cast<std::uint32_t>(c.couleurs[i]))));
            });
        liaison.lier(19 + i, option2[i]);
        connect(option2[i], &QCheckBox::clicked, this, &PanneauSuivi::courbesChangees);
    }

    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(176, 168, 49, 17);
    VScroll3 = new QScrollBar(Qt::Vertical, this);
    VScroll3->setObjectName("VScroll3");
    VScroll3->setRange(10, 100);
    VScroll3->setValue(10);
    VScroll3->setGeometry(225, 168, 17, 17);
    liaison.lier(13, VScroll2);
    liaison.lier(14, VScroll3);
    liaison.lier(17, Option1[0]);
    liaison.lier(18, Option1[1]);
    for (QScrollBar* barre : {VScroll2, VScroll3})
        clavierBarre(barre);

    for (QWidget* c :
         {static_cast<QWidget*>(Option1[0]), static_cast<QWidget*>(Option1[1]), static_cast<QWidget*>(Frame1),
          static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3)})
        adopterFond(c);
    for (QWidget* c : option2)
        adopterFond(c);

    connect(VScroll2, &QScrollBar::valueChanged, this, &PanneauSuivi::VScroll2_Change);
    connect(VScroll3, &QScrollBar::valueChanged, this, &PanneauSuivi::VScroll3_Change);
    connect(Option1[0], &QRadioButton::toggled, this, &PanneauSuivi::representationChangee);
}

QColor PanneauSuivi::couleurCourbe(int espece) const {
    return Label4[espece + 1]->palette().color(QPalette::Window);
}

void PanneauSuivi::setCouleurCourbe(int espece, const QColor& couleur) {
    QPalette palette = Label4[espece + 1]->palette();
    palette.setColor(QPalette::Window, couleur);
    Label4[espece + 1]->setPalette(palette);
    liaison_.prendre(9 + espece);
}

void PanneauSuivi::setNomsEspeces(const std::array<QString, 4>& noms) {
    nomsEspeces_ = noms;
    for (int i = 0; i < 4; ++i) {
        option2[i]->setAccessibleName(legendeCourbe(i));
        Label4[i + 1]->setAccessibleName("Couleur de la courbe d'" + noms[i].toLower());
    }
}

QString PanneauSuivi::legendeCourbe(int espece) const {
    return "Quantité de matière d'" + nomsEspeces_[espece].toLower();
}

// The selectors are named as they read: the caption, then what they show.
void PanneauSuivi::VScroll2_Change() {
    const auto secondes = dureePosition(VScroll2->value());
    Label2->setText(QString::fromStdString(legendeDuree(secondes)));
    VScroll2->setAccessibleName(texteDuree + Label2->text());
    emit dureeChangee();
}

void PanneauSuivi::VScroll3_Change() {
    Label3->setText(QString::number(111 - VScroll3->value()));
    VScroll3->setAccessibleName(texteLignes + Label3->text());
    emit lignesChangees();
}

// A swatch asks for its colour on a click, or on Space or Enter once the
// keyboard has brought the focus to it.
bool PanneauSuivi::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    const bool touche =
        type == QEvent::KeyPress && QList<int>{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}.contains(
                                        static_cast<QKeyEvent*>(event)->key());
    if (type == QEvent::MouseButtonRelease || touche)
        for (int i = 1; i <= 4; ++i)
            if (objet == Label4[i]) {
                emit couleurDemandee(i - 1);
                return true;
            }
    return Panneau::eventFilter(objet, event);
}

void PanneauSuivi::dessiner() {
    for (int i = 0; i < 4; ++i)
        option2[i]->setText(legendeCourbe(i));
    commencerDessin(true);

    placer(18, 15);
    imprimer(texteDuree, false);
    Label2->move(qRound(courantX()), qRound(courantY()) - 2);
    VScroll2->move(Label2->x() + Label2->width(), Label2->y());

    placer(Frame1->x() + 8, Option1[1]->y() + 20);
    imprimer(texteLignes, false);
    Label3->move(qRound(courantX()), qRound(courantY()) - 2);
    VScroll3->move(Label3->x() + Label3->width(), Label3->y());

    setGras(false);
}

} // namespace vedo
