#pragma once
// The "Suivi" panel `Picture1`: the recording duration, the curves shown
// with their colour swatches, graph or table, and the number of table lines.

#include "mainwindow/Panneau.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <array>
#include <cstdint>

namespace vedo {

class PanneauSuivi : public Panneau {
    Q_OBJECT
public:
    PanneauSuivi(class LiaisonReglages& liaison, QWidget* parent = nullptr);

    QLabel* Label2;       // the duration
    QScrollBar* VScroll2; // duration positions 1 (200 h) .. 16 (20 s)
    QFrame* Frame1;
    std::array<QCheckBox*, 4> option2;    // curves of A..D shown
    std::array<QLabel*, 5> Label4{};      // 1..4: colour swatches of A..D
    std::array<QRadioButton*, 2> Option1; // "Représentation graphique", "Tableau de valeurs"
    QLabel* Label3;                       // number of table lines
    QScrollBar* VScroll3;                 // 111 - number of table lines

    // Species names of the current reaction, for the curve captions; the
    // curve choices and the swatches are named after them at once.
    void setNomsEspeces(const std::array<QString, 4>& noms);

    QColor couleurCourbe(int espece) const;
    void setCouleurCourbe(int espece, const QColor& couleur);

    void dessiner() override;

signals:
    void dureeChangee();
    void lignesChangees();
    void courbesChangees();
    void representationChangee();
    void couleurDemandee(int espece);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // "Quantité de matière d'acide carboxylique" for species 0 of reaction 0.
    QString legendeCourbe(int espece) const;

    void VScroll2_Change();
    void VScroll3_Change();

    std::array<QString, 4> nomsEspeces_;
    LiaisonReglages& liaison_;
};

} // namespace vedo
