#pragma once
// Qt's text, font and widget classes need an application object: the
// targets that use them create one, offscreen, once for the whole run.

#include <QApplication>

#include <cstdlib>

namespace vedo::fuzz {

inline void creerApplication() {
    static int argc = 1;
    static char nom[] = "fuzz";
    static char* argv[] = {nom, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication application(argc, argv);
}

} // namespace vedo::fuzz
