#pragma once
// The tab strip `Onglets`, its picture drawn by the core. A release of the mouse on
// the tab row selects a tab, and so do the arrow keys while the strip has the
// focus; the panels are children of the strip.

#include "platform/PictureBox.h"

#include <array>
#include <cstdint>

namespace vedo {

// The title of tab 1..5.
const QString& titreOnglet(int onglet);

class BandeOnglets : public PictureBox {
    Q_OBJECT
public:
    explicit BandeOnglets(QWidget* parent = nullptr);

    // The panel of each tab 1..5, in the order of the titles.
    void setPanneaux(const std::array<QWidget*, 5>& panneaux);

    // Active tab 1..5; 0 until a tab is chosen, turned into 1 by the next paint.
    std::int16_t ongletActif = 0;
    // Indices 1..5 used; rewritten at every paint.
    std::array<QString, 6> titresOnglets;
    // Tab i spans from bordsOnglets[i - 1] (excluded) to bordsOnglets[i].
    std::array<std::int16_t, 6> bordsOnglets{};

    // Redraws the strip and shows the active tab's panel.
    void dessiner();
    // A mouse release at (x, y) in the strip's pixels.
    void relacher(int x, int y);
    // Makes `onglet` the active tab, as a click on its title does; 0 gives
    // the first tab. The active tab is not drawn again.
    void choisir(int onglet);
    // The next tab (`sens` 1) or the previous one (-1), round the strip.
    void suivant(int sens);
    // The title of the active tab, where the focus shows, in the strip's pixels.
    QRect zoneTitreActif() const { return zoneTitreActif_; }

    int hauteurTitre() const { return hauteurTitre_; }
    // Where the active panel goes, inside the sunken frame.
    QRect zonePanneau() const;
    int nombreDessins() const { return nombreDessins_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QWidget*, 5> panneaux_{};
    int hauteurTitre_ = 0;
    int nombreDessins_ = 0;
    QRect zoneTitreActif_;
};

} // namespace vedo
