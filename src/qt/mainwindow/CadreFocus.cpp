#include "mainwindow/CadreFocus.h"

#include <QEvent>
#include <QFocusFrame>

namespace vedo {

CadreFocus::CadreFocus(QObject* parent) : QObject(parent) {}

void CadreFocus::encadrer(QWidget* controle) {
    controle->installEventFilter(this);
}

bool CadreFocus::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* controle = static_cast<QWidget*>(objet);
        if (!cadre_) cadre_ = new QFocusFrame(controle);
        cadre_->setWidget(controle);
    } else if (event->type() == QEvent::FocusOut && cadre_ && cadre_->widget() == objet) {
        cadre_->setWidget(nullptr);
    }
    return false;
}

} // namespace vedo
