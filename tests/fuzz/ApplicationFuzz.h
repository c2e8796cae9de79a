#pragma once
// Qt's text and font classes need an application object: the targets that
// use them create one, offscreen, once for the whole run.

#include <QGuiApplication>

#include <cstdlib>

namespace vedo::fuzz {

inline void creerApplication() {
    static int argc = 1;
    static char nom[] = "fuzz";
    static char* argv[] = {nom, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(argc, argv);
}

} // namespace vedo::fuzz
