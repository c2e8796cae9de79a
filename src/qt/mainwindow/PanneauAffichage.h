#pragma once
// The "Affichage" panel `frame2`: the animation speed between "Min" and
// "Max", and the graph and table options.

#include "mainwindow/Panneau.h"

#include <QCheckBox>
#include <QScrollBar>

namespace vedo {

class PanneauAffichage : public Panneau {
    Q_OBJECT
public:
    PanneauAffichage(class LiaisonReglages& liaison, QWidget* parent = nullptr);

    QScrollBar* HScroll2; // animation speed: simulated tenths of a second per tick
    QCheckBox* Check1;    // "Tracer en gras"
    QCheckBox* Check2;    // "Conserver les courbes"
    QCheckBox* Check3;    // "Afficher Qr "

    void dessiner() override;
};

} // namespace vedo
