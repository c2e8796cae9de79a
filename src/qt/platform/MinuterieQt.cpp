#include "platform/MinuterieQt.h"

namespace vedo {

MinuterieQt::MinuterieQt(QObject* parent, const char* nom) : timer_(new QTimer(parent)) {
    timer_->setObjectName(nom);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (top) top();
    });
}

void MinuterieQt::demarrer(int millisecondes) {
    timer_->start(millisecondes);
}

} // namespace vedo
