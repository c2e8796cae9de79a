// vedoriruvirivi-cli: the simulator's results without a screen, for teachers
// preparing worksheets and for our own checks.

#include "cli/Command.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace vedo::cli {

int erreur(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 2;
}

} // namespace vedo::cli

int main(int argc, char** argv) {
    using namespace vedo::cli;
    // Pictures and windows are rendered offscreen unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a console, CI) Qt warns on every start; give it a private runtime directory.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dossier =
            QDir::tempPath() + "/vedoriruvirivi-runtime-" + qEnvironmentVariable("USER", "root");
        QDir().mkpath(dossier);
        QFile::setPermissions(dossier,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dossier.toLocal8Bit());
    }
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || !commandes().contains(arguments.first())) {
        QString usage = "Usage : vedoriruvirivi-cli COMMANDE [OPTIONS]\nCommandes :";
        for (const auto& [nom, description] : commandes())
            usage += "\n  " + description.usage;
        return erreur(arguments.isEmpty() ? usage
                                          : "Commande inconnue : " + arguments.first() + "\n" + usage);
    }
    const QString nom = arguments.takeFirst();
    return commandes().at(nom).executer(arguments);
}
