#include "mainwindow/BandeOnglets.h"

#include "common/Rounding.h"
#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/OngletsAccessibles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vedo {

namespace {
const std::array<QString, 6> titres = {QString(),   "Réaction", "Conditions",
                                       "Affichage", "Suivi",    "Historique"};
constexpr int hautRangeeOnglets = 15; // releases below this line are not on a tab
} // namespace

const QString& titreOnglet(int onglet) {
    return titres[std::clamp(onglet, 1, 5)];
}

BandeOnglets::BandeOnglets(QWidget* parent) : PictureBox(parent) {
    // Before anything asks for the strip's accessible face.
    installerOngletsAccessibles();
    setFond(couleurs::bande);
    setPolice(policeArial());
    hauteurTitre_ = static_cast<int>(arrondiPair(hauteurTexte("W")));
    // The keyboard reaches the strip; the mouse never gives it the focus.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName("Onglets");
}

void BandeOnglets::setPanneaux(const std::array<QWidget*, 5>& panneaux) {
    panneaux_ = panneaux;
    // Hidden panels already have their place, for whoever looks at them.
    for (int i = 0; i < 5; ++i)
        if (QWidget* panneau = panneaux_[i]) {
            panneau->setGeometry(zonePanneau());
            panneau->setAccessibleName(titres[i + 1]);
        }
}

QRect BandeOnglets::zonePanneau() const {
    return {4, hauteurTitre_ + 5, width() - 8, height() - hauteurTitre_ - 9};
}

void BandeOnglets::dessiner() {
    ++nombreDessins_;
    effacer();
    if (ongletActif == 0) ongletActif = 1;
    setPolice(policeArial());
    setEncre(couleurs::noir);
    titresOnglets = titres;
    hauteurTitre_ = static_cast<int>(arrondiPair(hauteurTexte("W")));

    // The active title is bold.
    std::array<double, 6> largeurTitre{};
    for (int i = 1; i <= 5; ++i) {
        setGras(i == ongletActif);
        largeurTitre[i] = largeurTexte(titresOnglets[i]);
    }
    int total = 0;
    for (int i = 1; i <= 5; ++i)
        total = static_cast<int>(arrondiPair(total + largeurTitre[i]));
    const int W = width();
    const int H = height();
    const float ecartOnglet = static_cast<float>(W - total) / 10.0f;

    bordsOnglets[0] = -1;
    for (int i = 1; i <= 4; ++i)
        bordsOnglets[i] =
            static_cast<std::int16_t>(arrondiPair(bordsOnglets[i - 1] + largeurTitre[i] + 2.0 * ecartOnglet));
    bordsOnglets[5] = static_cast<std::int16_t>(W);

    const int h = hauteurTitre_;
    rectangle({0, 0}, {W - 1.0, H - 1.0}, couleurs::gris);
    ligne({0, 0}, {0, H - 1.0}, couleurs::blanc);
    for (int i = 0; i <= 5; ++i) {
        const double b = bordsOnglets[i];
        ligne({b - 1, 1}, {b - 1, h + 1.0}, couleurs::gris);
        ligne({b, 0}, {b, double(h)}, couleurs::blanc);
    }
    for (int i = 0; i <= 4; ++i)
        ligne({bordsOnglets[i] + 1.0, 0}, {bordsOnglets[i + 1] - 1.0, 0}, couleurs::blanc);

    const int a = ongletActif;
    ligne({0, h + 1.0}, {bordsOnglets[a - 1] + 2.0, h + 1.0}, couleurs::blanc);
    ligne({double(bordsOnglets[a]), h + 1.0}, {double(W), h + 1.0}, couleurs::blanc);

    for (int i = 1; i <= 5; ++i) {
        setGras(i == a);
        placer(bordsOnglets[i - 1] + ecartOnglet, i == a ? 2 : 1);
        if (i == a) zoneTitreActif_ = QRectF(courantX() - 3, 1, largeurTitre[i] + 6, h + 1).toAlignedRect();
        imprimer(titresOnglets[i], false);
    }
    setGras(false);

    for (int i = 1; i <= 5; ++i)
        if (i != a && panneaux_[i - 1]) panneaux_[i - 1]->hide();
    if (QWidget* panneau = panneaux_[a - 1]) {
        panneau->setGeometry(zonePanneau());
        panneau->show();
    }

    rectangle({1, h + 2.0}, {W - 2.0, H - 2.0}, couleurs::bande);
    rectangle({2, h + 3.0}, {W - 3.0, H - 3.0}, couleurs::bande);
    rectangle({3, h + 4.0}, {W - 4.0, H - 4.0}, couleurs::gris);
    rectangle({4, h + 5.0}, {W - 4.0, H - 4.0}, couleurs::blanc);
}

void BandeOnglets::relacher(int x, int y) {
    if (y < 0 || y > hautRangeeOnglets) return;
    int choisi = 0;
    for (int i = 1; i <= 5; ++i)
        if (bordsOnglets[i - 1] < x && x <= bordsOnglets[i]) choisi = i;
    choisir(choisi);
}

void BandeOnglets::choisir(int onglet) {
    if (onglet == ongletActif || onglet < 0 || onglet > 5) return;
    // The focus inside the panel about to hide comes to the strip rather
    // than to whatever control follows the panel.
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* quitte = ongletActif >= 1 ? panneaux_[ongletActif - 1] : nullptr;
    if (focus && quitte && (focus == quitte || quitte->isAncestorOf(focus))) setFocus(Qt::OtherFocusReason);
    ongletActif = static_cast<std::int16_t>(onglet);
    dessiner();
    annoncerOngletActif(*this);
}

void BandeOnglets::suivant(int sens) {
    const int actif = std::max<int>(ongletActif, 1);
    choisir((actif - 1 + sens + 5) % 5 + 1);
}

void BandeOnglets::showEvent(QShowEvent*) {
    dessiner();
}

void BandeOnglets::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    if (isVisible()) dessiner();
}

void BandeOnglets::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    relacher(p.x(), p.y());
}

// Left and Right stop at the first and the last tab.
void BandeOnglets::keyPressEvent(QKeyEvent* event) {
    const int pas = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (pas == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        PictureBox::keyPressEvent(event);
        return;
    }
    const int voisin = std::max<int>(ongletActif, 1) + pas;
    if (voisin >= 1 && voisin <= 5) choisir(voisin);
}

void BandeOnglets::focusInEvent(QFocusEvent* event) {
    PictureBox::focusInEvent(event);
    update();
    annoncerOngletActif(*this);
}

void BandeOnglets::focusOutEvent(QFocusEvent* event) {
    PictureBox::focusOutEvent(event);
    update();
}

// The focus is a dotted frame around the active title, over the drawing:
// the strip's image stays as the paint made it.
void BandeOnglets::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (!hasFocus() || zoneTitreActif_.isEmpty()) return;
    QPainter peintre(this);
    peintre.setPen(QPen(couleurs::noir, 1, Qt::DotLine));
    peintre.drawRect(zoneTitreActif_.adjusted(0, 0, -1, -1));
}

} // namespace vedo
