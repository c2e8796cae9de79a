#pragma once
// A frame around the focused control for the controls whose style shows no
// focus of its own: scroll bars, colour swatches, the borderless exercise
// title, the read-only history.

#include <QObject>
#include <QPointer>

class QFocusFrame;
class QWidget;

namespace vedo {

class CadreFocus : public QObject {
    Q_OBJECT
public:
    explicit CadreFocus(QObject* parent = nullptr);

    void encadrer(QWidget* controle);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Made when a control first takes the focus.
    QPointer<QFocusFrame> cadre_;
};

} // namespace vedo
