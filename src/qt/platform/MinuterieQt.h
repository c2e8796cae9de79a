#pragma once
// The core's timer on a QTimer, whose ticks run on the event loop between
// the other events.

#include "platform/Minuterie.h"

#include <QTimer>

namespace vedo {

class MinuterieQt : public Minuterie {
public:
    // `nom`: the timer's object name, for what inspects the window.
    MinuterieQt(QObject* parent, const char* nom);

    void demarrer(int millisecondes) override;
    void arreter() override { timer_->stop(); }
    bool enMarche() const override { return timer_->isActive(); }

    QTimer* timer() const { return timer_; }

private:
    QTimer* timer_; // owned by the parent
};

} // namespace vedo
