#include "mainwindow/PanneauAffichage.h"

#include "mainwindow/LiaisonReglages.h"

namespace vedo {

namespace {
const QString texteVitesse = QStringLiteral("Vitesse de l'animation");

QCheckBox* caseACocher(QWidget* parent, const char* nom, const QString& legende, int haut, bool cochee) {
    auto* c = new QCheckBox(legende, parent);
    c->setObjectName(nom);
    c->setGeometry(96, haut, 209, 17);
    c->setChecked(cochee);
    return c;
}
} // namespace

PanneauAffichage::PanneauAffichage(LiaisonReglages& liaison, QWidget* parent) : Panneau("frame2", parent) {
    HScroll2 = new QScrollBar(Qt::Horizontal, this);
    HScroll2->setObjectName("HScroll2");
    HScroll2->setGeometry(96, 32, 233, 17);
    HScroll2->setRange(0, 1000);
    HScroll2->setPageStep(10);
    HScroll2->setValue(50);
    liaison.lier(16, HScroll2);
    clavierBarre(HScroll2);
    nommer(HScroll2, texteVitesse);
    Check1 = caseACocher(this, "Check1", "Tracer en gras", 80, false);
    Check2 = caseACocher(this, "Check2", "Conserver les courbes", 108, false);
    Check3 = caseACocher(this, "Check3", "Afficher Qr ", 152, true);
    liaison.lier(23, Check1);
    liaison.lier(24, Check2);
    liaison.lier(25, Check3);
    for (QWidget* c : {Check1, Check2, Check3})
        adopterFond(c);
}

void PanneauAffichage::dessiner() {
    commencerDessin(true);
    placer(18, 9);
    imprimer(texteVitesse);
    placer(18, 63);
    imprimer("Graphe");
    placer(18, 134);
    imprimer("Tableau");

    setGras(false);
    const QRect barre = HScroll2->geometry();
    placer(barre.left() - largeurTexte("Min "), barre.top() + 1);
    imprimer("Min ", false);
    placer(barre.left() + barre.width(), barre.top() + 1);
    imprimer(" Max", false);
}

} // namespace vedo
