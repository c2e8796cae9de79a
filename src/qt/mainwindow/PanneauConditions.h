#pragma once
// The "Conditions" panel `Picture3`: the temperature bar over its
// cold-to-hot scale, the catalyst with the formula of the oxonium ion, and
// the distillation with the most volatile species.

#include "mainwindow/Panneau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace vedo {

class PanneauConditions : public Panneau {
    Q_OBJECT
public:
    PanneauConditions(class LiaisonReglages& liaison, QWidget* parent = nullptr);

    QScrollBar* HScroll1; // temperature in tenths of °C
    QLabel* Label6;       // the temperature
    QCheckBox* Check5;    // "Ajouter un catalyseur"
    QCheckBox* Check4;    // "Distiller "
    QComboBox* Combo3;    // the species distilled off

    void dessiner() override;

signals:
    // The temperature or the distillation changed: the apparatus is redrawn.
    void apparatusChange();

private:
    void HScroll1_Change();
    // The bar is named as it reads: its caption and the temperature shown.
    void nommerTemperature();
};

} // namespace vedo
