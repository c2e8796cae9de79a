#pragma once
// Runs the command-line tool and collects what it printed.

#include <QProcess>
#include <QStringList>

struct SortieCli {
    int statut = -1;
    QString sortie;
    QString erreurs;
};

inline SortieCli
executerCli(const QStringList& arguments,
            const QProcessEnvironment& environnement = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environnement);
    p.start(QStringLiteral(VEDO_CLI), arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
