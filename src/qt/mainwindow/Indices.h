#pragma once
// The hint line `info`: passing the mouse over a control writes that
// control's hint into it; the hint stays until another replaces it.

#include <QObject>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace vedo {

// The hint of a control (TableControles.h), the mouse at `position` in its
// own pixels; a null text leaves `info` as it is.
QString indice(const QString& nomControle, QPoint position, const QString& infoActuel,
               const QString& messageCopie);

// Every named control of `fenetre` that has a hint, or lies on a panel that
// has one, takes that hint as its description for assistive technologies;
// the window takes its own.
void decrireControles(QWidget* fenetre);

class SurvolIndices : public QObject {
    Q_OBJECT
public:
    SurvolIndices(QLabel* info, const QString& messageCopie, QObject* parent = nullptr);

    // Writes `controle`'s hint whenever the mouse moves over it, not over
    // one of its children.
    void surveiller(QWidget* controle);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    QLabel* info_;
    const QString& messageCopie_;
};

} // namespace vedo
