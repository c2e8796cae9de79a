#include "mainwindow/BandeOnglets.h"

#include "common/Rounding.h"
#include "mainwindow/CouleursFenetre.h"

#include <QMouseEvent>

namespace vedo {

namespace {
const std::array<QString, 6> titres = {QString(),   "Réaction", "Conditions",
                                       "Affichage", "Suivi",    "Historique"};
constexpr int hautRangeeOnglets = 15; // releases below this line are not on a tab
} // namespace

BandeOnglets::BandeOnglets(QWidget* parent) : PictureBox(parent) {
    setFond(couleurs::bande);
    setPolice(policeArial());
    hauteurTitre_ = static_cast<int>(arrondiPair(hauteurTexte("W")));
}

void BandeOnglets::setPanneaux(const std::array<QWidget*, 5>& panneaux) {
    panneaux_ = panneaux;
    // Hidden panels already have their place, for whoever looks at them.
    for (QWidget* panneau : panneaux_)
        if (panneau) panneau->setGeometry(zonePanneau());
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

    const auto largeurTitre = [this](int i) {
        setGras(i == ongletActif);
        return largeurTexte(titresOnglets[i]);
    };
    int total = 0;
    for (int i = 1; i <= 5; ++i)
        total = static_cast<int>(arrondiPair(total + largeurTitre(i)));
    const int W = width();
    const int H = height();
    const float ecartOnglet = static_cast<float>(W - total) / 10.0f;

    bordsOnglets[0] = -1;
    for (int i = 1; i <= 4; ++i)
        bordsOnglets[i] =
            static_cast<std::int16_t>(arrondiPair(bordsOnglets[i - 1] + largeurTitre(i) + 2.0 * ecartOnglet));
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
    std::int16_t choisi = 0;
    for (int i = 1; i <= 5; ++i)
        if (bordsOnglets[i - 1] < x && x <= bordsOnglets[i]) choisi = static_cast<std::int16_t>(i);
    if (choisi == ongletActif) return;
    ongletActif = choisi;
    dessiner();
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

} // namespace vedo
