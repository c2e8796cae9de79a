#pragma once
// The calculator window "Machine à calculer": keys, the one-line display
// `z1`, the angle and display modes. It is modal over the main window,
// which opens it with
//     Machine machine(etat.memoire, this); // ApplicationState::memoire
//     etat.prompteur.executer(machine);
// and the memory register it is given outlives every opening.

#include "evaluator/Calculatrice.h"

#include <QDialog>

class QLineEdit;
class QKeyEvent;

namespace vedo {

class Machine : public QDialog {
    Q_OBJECT
public:
    static constexpr int largeur = 302;
    static constexpr int hauteur = 431;

    explicit Machine(double& memoire, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void creerTouches();
    void creerModes();
    void executer();
    // The display shows the calculator's text, with the focus and the caret at its end.
    void actualiser();
    void ajusterPolice(const QString& texte);
    // Form_KeyPress: false for a key that does nothing here.
    bool frappe(const QKeyEvent& event);

    Calculatrice calculatrice_;
    QLineEdit* z1_;
};

} // namespace vedo
