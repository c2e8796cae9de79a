#pragma once
// The calculator window "Machine à calculer", the shell of ModeleMachine:
// a widget for each of the model's controls. It is modal over the main window,
// which opens it with
//     Machine machine(etat.memoire, this); // ApplicationState::memoire
//     etat.prompteur.executer(machine);
// and the memory register it is given outlives every opening.

#include "presentation/ModeleMachine.h"

#include <QDialog>
#include <QHash>

class QLineEdit;
class QKeyEvent;

namespace vedo {

class Machine : public QDialog {
    Q_OBJECT
public:
    static constexpr int largeur = ModeleMachine::largeur;
    static constexpr int hauteur = ModeleMachine::hauteur;

    explicit Machine(double& memoire, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void creerControles();
    void actualiser(const EtatControle& etat, bool immediat);
    // The display shows the model's text, with the focus and the caret at its end.
    void montrerAffichage(const QString& texte, bool immediat);
    // Form_KeyPress: false for a key that does nothing here.
    bool frappe(const QKeyEvent& event);

    ModeleMachine modele_;
    QLineEdit* z1_;
    QHash<QString, QWidget*> widgets_;
};

} // namespace vedo
