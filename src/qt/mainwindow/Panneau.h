#pragma once
// A tab panel: a picture box that draws its own labels around its controls
// each time it is shown. The controls lying on it take its background.

#include "platform/PictureBox.h"

class QScrollBar;

namespace vedo {

class Panneau : public PictureBox {
    Q_OBJECT
public:
    explicit Panneau(const QString& nom, QWidget* parent = nullptr);

    // The panel's paint: background, labels and the placing of the
    // controls that follow a printed label.
    virtual void dessiner() = 0;

protected:
    // Gives a control the panel's background colour.
    static void adopterFond(QWidget* controle);
    // Names a control after the label printed beside it, without its colon.
    static void nommer(QWidget* controle, const QString& texteImprime);
    // Lets the keyboard reach a horizontal bar; Right, Up and Page Up then
    // move its thumb right, as its right arrow does.
    void clavierBarre(QScrollBar* barre);

    bool eventFilter(QObject* objet, QEvent* event) override;
    // Starts a paint: the panel's background, "Arial" 8 in black.
    void commencerDessin(bool gras);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace vedo
