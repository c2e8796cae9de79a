#include "mainwindow/LiaisonReglages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace vedo {

namespace {

const EnregistrementConfiguration& enregistrement(int numero) {
    return tableConfiguration().at(static_cast<std::size_t>(numero - 2));
}

// The change a click makes, whether or not the control takes clicks now: the
// toggled and clicked handlers both run.
void choisir(QAbstractButton* b, bool valeur) {
    if (b->isChecked() == valeur) return;
    const bool exclusif = b->autoExclusive();
    // A file may leave both option buttons unselected.
    if (!valeur) b->setAutoExclusive(false);
    b->setChecked(valeur);
    b->setAutoExclusive(exclusif);
    emit b->clicked(valeur);
}

// Only the fully checked state of a check box counts.
bool coche(const QAbstractButton* b) {
    if (const auto* boite = qobject_cast<const QCheckBox*>(b)) return boite->checkState() == Qt::Checked;
    return b->isChecked();
}

} // namespace

void LiaisonReglages::lier(int numero, QLineEdit* boite) {
    // As stored: no key filter, no amount check.
    lier(numero, [boite] { return boite->text().toStdString(); },
         [boite, numero](const Configuration& c) {
             boite->setText(QString::fromStdString(enregistrement(numero).ecrire(c)));
         });
    QObject::connect(boite, &QLineEdit::textChanged, boite, [this, numero] { prendre(numero); });
}

void LiaisonReglages::lier(int numero, QComboBox* liste) {
    lier(numero, [liste] { return texteEntierEnregistrement(liste->currentIndex()); },
         [liste, numero](const Configuration& c) { liste->setCurrentIndex(enregistrement(numero).valeur(c)); });
    QObject::connect(liste, &QComboBox::currentIndexChanged, liste, [this, numero] { prendre(numero); });
}

void LiaisonReglages::lier(int numero, QAbstractSlider* barre) {
    lier(numero, [barre] { return texteEntierEnregistrement(barre->value()); },
         [barre, numero](const Configuration& c) { barre->setValue(enregistrement(numero).valeur(c)); });
    QObject::connect(barre, &QAbstractSlider::valueChanged, barre, [this, numero] { prendre(numero); });
}

void LiaisonReglages::lier(int numero, QAbstractButton* bouton) {
    lier(numero, [bouton] { return std::string(coche(bouton) ? "1" : "0"); },
         [bouton, numero](const Configuration& c) { choisir(bouton, enregistrement(numero).ecrire(c) == "1"); });
    QObject::connect(bouton, &QAbstractButton::toggled, bouton, [this, numero] { prendre(numero); });
}

void LiaisonReglages::lier(int numero, std::function<std::string()> texte,
                           std::function<void(const Configuration&)> montrer) {
    vues_[numero] = {std::move(texte), std::move(montrer)};
    prendre(numero);
}

void LiaisonReglages::prendre(int numero) {
    const auto vue = vues_.find(numero);
    if (vue != vues_.end()) enregistrement(numero).lire(reglages_, vue->second.texte());
}

void LiaisonReglages::prendreTout() {
    for (const auto& [numero, vue] : vues_)
        prendre(numero);
}

void LiaisonReglages::charger(int numero, const Configuration& c) {
    const auto vue = vues_.find(numero);
    if (vue == vues_.end()) return;
    vue->second.montrer(c);
    // A control that keeps its value unchanged says nothing.
    prendre(numero);
}

} // namespace vedo
