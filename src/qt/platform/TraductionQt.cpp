#include "platform/TraductionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vedo {

QTranslator* traduireQtEnFrancais(QCoreApplication& application) {
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traduction)) {
        delete traduction;
        return nullptr;
    }
    return traduction;
}

} // namespace vedo
