#pragma once
// Runs the command-line tool and collects what it printed.

#include <QProcess>
#include <QStringList>

struct SortieCli {
    int statut = -1;
    QString sortie;
    QString erreurs;
    QByteArray octets; // stdout as written, a byte-order mark included
};

inline SortieCli
executerCli(const QStringList& arguments,
            const QProcessEnvironment& environnement = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environnement);
    p.start(QStringLiteral(VEDO_CLI), arguments);
    p.waitForFinished(60000);
    const QByteArray octets = p.readAllStandardOutput();
    return {p.exitCode(), QString::fromUtf8(octets), QString::fromUtf8(p.readAllStandardError()), octets};
}
