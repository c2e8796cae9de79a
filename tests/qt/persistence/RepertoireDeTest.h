#pragma once
// A temporary directory made the process's current directory for one test,
// the previous one given back afterwards.

#include <QDir>
#include <QTemporaryDir>

struct RepertoireDeTest {
    QTemporaryDir dossier;
    QString ancien = QDir::currentPath();

    RepertoireDeTest() { QDir::setCurrent(dossier.path()); }
    ~RepertoireDeTest() { QDir::setCurrent(ancien); }

    // The absolute path of `relatif` inside the directory, '/' separators.
    QString chemin(const QString& relatif = {}) const {
        return QDir::cleanPath(QFileInfo(dossier.path()).absoluteFilePath() + '/' + relatif);
    }
    void creerRepertoire(const QString& relatif) const { QDir(dossier.path()).mkpath(relatif); }
    void creerFichier(const QString& relatif, const QByteArray& octets = "x") const {
        QFile f(chemin(relatif));
        if (f.open(QIODevice::WriteOnly)) f.write(octets);
    }
};
