#pragma once

#include "platform/Prompter.h"

namespace vedo {

class QtPrompter : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                        const QString& texte, QMessageBox::StandardButtons boutons,
                                        QMessageBox::StandardButton parDefaut) override;
    int menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position) override;
    std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) override;
    std::optional<QString> fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) override;
    std::optional<QString> fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) override;
    bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override;

protected:
    int montrer(QDialog& dialogue) override;
};

} // namespace vedo
