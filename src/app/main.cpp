// The simulator: one main window, every dialog shown through the Qt prompter.

#include "mainwindow/FeuilleP.h"
#include "platform/ApplicationState.h"
#include "platform/QtPrompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vedo::QtPrompter prompteur;
    vedo::ApplicationState etat(prompteur);
    vedo::FeuilleP fenetre(etat);
    fenetre.show();
    return app.exec();
}
