// vedoriruvirivi-cli-gui: every command of vedoriruvirivi-cli, with the
// widget application that pictures and windows need. vedoriruvirivi-cli
// hands it the commands that draw.

#include "cli/Command.h"

#include <QApplication>
#include <QDir>

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
    const QStringList arguments = app.arguments().mid(1);
    if (const auto statut = executerCommande(arguments)) return *statut;
    return erreurUsage(arguments);
}
