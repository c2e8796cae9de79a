#include "mainwindow/IconeProgramme.h"

#include "platform/SurfaceQt.h"
#include "view/DessinIconeProgramme.h"

#include <QApplication>
#include <QTimer>

namespace vedo {

namespace {

// Watches the window for its first paint, then leaves.
class GuetPremiereImage : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* fenetre, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        fenetre->removeEventFilter(this);
        // Queued: the paint under way and its flush come first.
        QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(iconeProgramme()); });
        deleteLater();
        return false;
    }
};

} // namespace

QImage imageIconeProgramme(int taille) {
    return imageCalqueQt(taille, taille, [taille](Surface& s) { dessinerIconeProgramme(s, taille); });
}

QIcon iconeProgramme() {
    QIcon icone;
    for (int taille : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(QPixmap::fromImage(imageIconeProgramme(taille)));
    return icone;
}

void poserIconeApresPremiereImage(QWidget& fenetre) {
    fenetre.installEventFilter(new GuetPremiereImage(&fenetre));
}

} // namespace vedo
