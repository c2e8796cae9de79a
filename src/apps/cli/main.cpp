// vedoriruvirivi-cli: the simulator's results without a screen, for teachers
// preparing worksheets and for our own checks. The commands that draw
// nothing run here, without Qt's graphical libraries, whose loading alone
// would take several times their work; the others are handed to
// vedoriruvirivi-cli-gui beside this program.

#include "cli/Command.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

int main(int argc, char** argv) {
    using namespace vedo::cli;
    QCoreApplication app(argc, argv);
    if (const auto statut = executerCommande(app.arguments().mid(1))) return *statut;
    const QString programme = QCoreApplication::applicationDirPath() + "/vedoriruvirivi-cli-gui";
    const QByteArray chemin = QFile::encodeName(programme);
    argv[0] = const_cast<char*>(chemin.constData());
    execv(chemin.constData(), argv);
    return erreur("Programme introuvable : " + programme);
}
