#include "mainwindow/BandeOnglets.h"

#include "mainwindow/CouleursFenetre.h"
#include "mainwindow/OngletsAccessibles.h"
#include "view/DessinBandeOnglets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vedo {

namespace {
const std::array<QString, 6> titres = [] {
    std::array<QString, 6> t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = QString::fromUtf8(titresDesOnglets[i]);
    return t;
}();
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
    hauteurTitre_ = hauteurTitreOnglet(toile());
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
    if (ongletActif == 0) ongletActif = 1;
    titresOnglets = titres;
    const DispositionOnglets d =
        dessinerBandeOnglets(toile(), width(), height(), ongletActif,
                             {couleurDe(couleurs::noir), couleurDe(couleurs::gris),
                              couleurDe(couleurs::blanc), couleurDe(couleurs::bande)});
    hauteurTitre_ = d.hauteurTitre;
    bordsOnglets = d.bords;
    zoneTitreActif_ = QRect(pixelQt(d.coinTitreActif), QSize(d.largeurTitreActif, d.hauteurTitreActif));

    const int a = ongletActif;
    for (int i = 1; i <= 5; ++i)
        if (i != a && panneaux_[i - 1]) panneaux_[i - 1]->hide();
    if (QWidget* panneau = panneaux_[a - 1]) {
        panneau->setGeometry(zonePanneau());
        panneau->show();
    }
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
