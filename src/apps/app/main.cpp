// The simulator: one main window, every dialog shown through the Qt prompter.

#include "mainwindow/FeuilleP.h"
#include "mainwindow/IconeProgramme.h"
#include "persistence/FichierEchange.h"
#include "platform/ApplicationState.h"
#include "platform/QtPrompter.h"
#include "platform/TraductionQt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Started from the desktop menu, the current directory is often one the user
// cannot write; the file dialogs start there, so move to the documents folder.
void choisirRepertoireCourant() {
    if (QFileInfo(QDir::currentPath()).isWritable()) return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) QDir::setCurrent(documents);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vedoriruvirivi");
    QApplication::setDesktopFileName("vedoriruvirivi");
    vedo::traduireQtEnFrancais(app);
    choisirRepertoireCourant();
    vedo::QtPrompter prompteur;
    vedo::ApplicationState etat(prompteur);
    etat.fichierEchange = vedo::cheminFichierEchange(QCoreApplication::applicationDirPath());
    vedo::FeuilleP fenetre(etat);
    vedo::poserIconeApresPremiereImage(fenetre);
    fenetre.show();
    return app.exec();
}
