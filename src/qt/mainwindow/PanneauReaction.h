#pragma once
// The "Réaction" panel `Picture4`: the reaction and the class of the alcohol,
// and the four initial amounts laid out as the equation A + B = C + D under
// the species names in their curve colours.

#include "mainwindow/Panneau.h"

#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <functional>

namespace vedo {

class PanneauReaction : public Panneau {
    Q_OBJECT
public:
    PanneauReaction(class LiaisonReglages& liaison, QWidget* parent = nullptr);

    QComboBox* Combo1;               // reaction
    QComboBox* Combo2;               // class of the alcohol
    std::array<QLineEdit*, 4> Text1; // initial amounts of A..D

    // The curve colour of species 0..3, read at each paint.
    std::function<QColor(int)> couleurEspece;

    void dessiner() override;

private:
    // The amount boxes are named as they read on the panel: the unit, then
    // the species of the reaction chosen.
    void nommerQuantites();
};

} // namespace vedo
