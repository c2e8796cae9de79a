#include "mainwindow/PanneauConditions.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "engine/Conditions.h"
#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/LiaisonReglages.h"

namespace vedo {

namespace {
// Printed on the panel; the controls beside them take them as names.
const QString texteTemperature = QStringLiteral("Température du système :");
const QString texteVolatile = QStringLiteral("Espèce chimique la plus volatile : ");
} // namespace

namespace {
QString legende(int dixiemes) {
    return QString::fromStdString(legendeTemperature(dixiemes));
}
} // namespace

PanneauConditions::PanneauConditions(LiaisonReglages& liaison, QWidget* parent) : Panneau("Picture3", parent) {
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setGeometry(72, 48, 260, 17);
    HScroll1->setRange(0, 1000);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    HScroll1->setValue(200);
    Label6 = new QLabel(legende(200), this);
    Label6->setObjectName("Label6");
    Label6->setGeometry(176, 16, 97, 17);
    Check5 = new QCheckBox("Ajouter un catalyseur", this);
    Check5->setObjectName("Check5");
    Check5->setGeometry(24, 96, 145, 17);
    Check5->setAccessibleName("Ajouter un catalyseur (H3O+)");
    Check4 = new QCheckBox("Distiller ", this);
    Check4->setObjectName("Check4");
    Check4->setGeometry(24, 128, 193, 17);
    Combo3 = new QComboBox(this);
    Combo3->setObjectName("Combo3");
    Combo3->setGeometry(208, 144, 161, 22);
    nommer(Combo3, texteVolatile);
    liaison.lier(8, Combo3);
    liaison.lier(15, HScroll1);
    liaison.lier(26, Check4);
    liaison.lier(27, Check5);
    clavierBarre(HScroll1);
    nommerTemperature();
    for (QWidget* controle :
         {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Check4), static_cast<QWidget*>(Check5)})
        adopterFond(controle);

    // Dragging the bar and releasing it both update the caption.
    connect(HScroll1, &QScrollBar::valueChanged, this, &PanneauConditions::HScroll1_Change);
    connect(Check4, &QCheckBox::clicked, this, &PanneauConditions::apparatusChange);
}

void PanneauConditions::HScroll1_Change() {
    Label6->setText(legende(HScroll1->value()));
    nommerTemperature();
    emit apparatusChange();
}

void PanneauConditions::nommerTemperature() {
    HScroll1->setAccessibleName(texteTemperature + ' ' + legende(HScroll1->value()));
}

void PanneauConditions::dessiner() {
    commencerDessin(true);
    if (Combo3->currentIndex() == -1 && Combo3->count() > 0) Combo3->setCurrentIndex(0);

    const QRect barre = HScroll1->geometry();
    placer(18, barre.top() - 32);
    imprimer(texteTemperature, false);
    Label6->setText(legende(HScroll1->value()));

    const int x1 = barre.left() - 20;
    const int x2 = barre.left() + barre.width() + 20;
    const int y1 = barre.top() - 8;
    const int y2 = barre.top() + barre.height() + 8;
    for (int x = x1; x <= x2; ++x) {
        const int rouge = static_cast<int>(arrondiPair(double(x - x1) / (x2 - x1) * 255.0));
        const int bleu = 255 - rouge;
        const int vert = static_cast<int>(arrondiPair(bleu / 2.0));
        ligne({double(x), double(y1)}, {double(x), double(y2)}, QColor(rouge, vert, bleu));
    }
    for (int x = x1 + 39; x <= x2 - 30; x += 22)
        ligne({double(x), double(y1)}, {double(x), double(y2)}, couleurs::blanc);

    // (H3O+) with the 3 lowered and the + raised.
    placer(Check5->x() + Check5->width(), Check5->y() + 1);
    imprimer("(H", false);
    setCourantY(courantY() + 4);
    imprimer("3", false);
    setCourantY(courantY() - 4);
    imprimer("O", false);
    setCourantY(courantY() - 4);
    imprimer("+", false);
    setCourantY(courantY() + 4);
    imprimer(")", false);

    setGras(false);
    placer(Combo3->x() - largeurTexte(texteVolatile), Combo3->y() + 3);
    imprimer(texteVolatile);
}

} // namespace vedo
