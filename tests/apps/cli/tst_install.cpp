#include "TestRegistry.h"

#include "CliRunner.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList fichiersSous(const QString& racine) {
    QStringList fichiers;
    QDirIterator it(racine, QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        fichiers << it.next().mid(racine.size());
    fichiers.sort();
    return fichiers;
}

// The data files the build put beside the programs: they ship too.
QStringList donneesLivrees() {
    QStringList noms;
    const QDir bin(QFileInfo(QStringLiteral(VEDO_CLI)).absolutePath());
    for (const QString& nom :
         bin.entryList({"*.hlp", "*.PEM", "*.E39", "*.C15", "*.RTF", "*.rtf"}, QDir::Files, QDir::Name))
        noms << "/usr/lib/vedoriruvirivi/" + nom;
    return noms;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void installListsExactlyTheExpectedFiles() {
        QTemporaryDir racine;
        QProcess cmake;
        cmake.setProcessEnvironment([&] {
            auto env = QProcessEnvironment::systemEnvironment();
            env.insert("DESTDIR", racine.path());
            return env;
        }());
        cmake.start("cmake", {"--install", VEDO_BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(cmake.waitForFinished(120000));
        QCOMPARE(cmake.exitCode(), 0);

        QStringList attendus = donneesLivrees();
        attendus << "/usr/bin/vedoriruvirivi"
                 << "/usr/bin/vedoriruvirivi-cli"
                 << "/usr/lib/vedoriruvirivi/vedoriruvirivi"
                 << "/usr/lib/vedoriruvirivi/vedoriruvirivi-cli"
                 << "/usr/lib/vedoriruvirivi/vedoriruvirivi-cli-gui"
                 << "/usr/share/applications/vedoriruvirivi.desktop"
                 << "/usr/share/icons/hicolor/scalable/apps/vedoriruvirivi.svg";
        for (int taille : {16, 32, 48, 64, 128, 256})
            attendus << QString("/usr/share/icons/hicolor/%1x%1/apps/vedoriruvirivi.png").arg(taille);
        attendus.sort();
        QCOMPARE(fichiersSous(racine.path()), attendus);
        QVERIFY(attendus.contains("/usr/lib/vedoriruvirivi/QORV.hlp"));

        // Started through its launcher, the installed tool runs from its
        // application directory and finds what it needs there.
        QProcess lanceur;
        QTemporaryDir sortie;
        lanceur.start(racine.path() + "/usr/bin/vedoriruvirivi-cli",
                      {"snapshot", "--final", "-o", sortie.filePath("w.png")});
        QVERIFY(lanceur.waitForFinished(60000));
        QCOMPARE(lanceur.exitCode(), 0);
        QVERIFY(QFileInfo::exists(sortie.filePath("w.png")));
    }

    void desktopEntryIsFrench() {
        QFile entree(QStringLiteral(VEDO_SOURCE_DIR) + "/data/desktop/vedoriruvirivi.desktop");
        QVERIFY(entree.open(QIODevice::ReadOnly));
        const QString texte = QString::fromUtf8(entree.readAll());
        QVERIFY(texte.contains("Categories=Education;Science;Chemistry;"));
        QVERIFY(texte.contains("Comment=Simuler la cinétique"));
        QVERIFY(texte.contains("Exec=vedoriruvirivi\n"));
    }
};

VEDO_TEST(TestInstall);
#include "tst_install.moc"
