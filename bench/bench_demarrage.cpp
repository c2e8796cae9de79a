// The start of the simulator to the first frame of its window, against a
// bare QWidget window holding as many child widgets (push buttons with a
// caption), from main() and from the launch of the process. Each start runs
// in a process of its own, as a user's does; the two kinds alternate and
// the medians are compared.
//   bench_demarrage [starts of each kind, default 15]
//   bench_demarrage instructions [starts of each kind, default 3]
//                                          the same starts under valgrind's callgrind: the
//                                          instructions from main() to the first frame, a
//                                          measure that a busy machine does not disturb
//   bench_demarrage simulateur | nue N     one start, its phases on stdout

#include "mainwindow/FeuilleP.h"
#include "mainwindow/IconeProgramme.h"
#include "persistence/FichierEchange.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace vedo;
using Horloge = std::chrono::steady_clock;

namespace {

double ms(Horloge::time_point de, Horloge::time_point a) {
    return std::chrono::duration<double, std::milli>(a - de).count();
}

// Notes the first paint event of the window it watches.
class PremiereImage : public QObject {
public:
    bool peinte = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) peinte = true;
        return false;
    }
};

// Shows the window and returns once its first frame is painted and flushed.
// Never inlined: callgrind counts up to its return.
[[gnu::noinline]] void montrer(QWidget& fenetre) {
    PremiereImage image;
    fenetre.installEventFilter(&image);
    fenetre.show();
    while (!image.peinte)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    fenetre.removeEventFilter(&image);
}

// The simulator's main() up to the first frame, phase by phase.
int simulateur(int argc, char** argv, Horloge::time_point debut) {
    QApplication app(argc, argv);
    const auto application = Horloge::now();
    QApplication::setApplicationName("Vedoriruvirivi");
    QApplication::setDesktopFileName("vedoriruvirivi");
    QTemporaryDir dossier;
    ScriptedPrompter prompteur;
    ApplicationState etat(prompteur);
    etat.fichierEchange = cheminFichierEchange(dossier.path());
    FeuilleP fenetre(etat);
    poserIconeApresPremiereImage(fenetre);
    const auto construction = Horloge::now();
    montrer(fenetre);
    const auto fin = Horloge::now();
    std::printf("image-ns %lld\n", static_cast<long long>(fin.time_since_epoch().count()));
    std::printf("widgets %lld\napplication %.3f\nfenetre %.3f\npremiere-image %.3f\ntotal %.3f\n",
                static_cast<long long>(fenetre.findChildren<QWidget*>().size()), ms(debut, application),
                ms(application, construction), ms(construction, fin), ms(debut, fin));
    return 0;
}

int nue(int argc, char** argv, Horloge::time_point debut, int enfants) {
    QApplication app(argc, argv);
    const auto application = Horloge::now();
    QWidget fenetre;
    fenetre.resize(800, 600);
    for (int i = 0; i < enfants; ++i) {
        auto* b = new QPushButton(QString("Bouton %1").arg(i), &fenetre);
        b->setGeometry(i % 10 * 80, i / 10 * 24, 78, 22);
    }
    const auto construction = Horloge::now();
    montrer(fenetre);
    const auto fin = Horloge::now();
    std::printf("image-ns %lld\n", static_cast<long long>(fin.time_since_epoch().count()));
    std::printf("widgets %d\napplication %.3f\nfenetre %.3f\npremiere-image %.3f\ntotal %.3f\n", enfants,
                ms(debut, application), ms(application, construction), ms(construction, fin), ms(debut, fin));
    return 0;
}

// One start in a process of its own: its phases by name, and "lancement",
// the time from the launch of the process to its first frame.
std::map<std::string, double> demarrer(const std::vector<std::string>& arguments) {
    std::map<std::string, double> phases;
    int tube[2];
    if (pipe(tube) != 0) return phases;
    std::vector<char*> argv;
    for (const auto& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto lancement = Horloge::now();
    const pid_t enfant = fork();
    if (enfant == 0) {
        dup2(tube[1], STDOUT_FILENO);
        close(tube[0]);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(tube[1]);
    FILE* sortie = fdopen(tube[0], "r");
    char nom[64];
    double valeur = 0;
    while (std::fscanf(sortie, "%63s %lf", nom, &valeur) == 2)
        phases[nom] = valeur;
    std::fclose(sortie);
    waitpid(enfant, nullptr, 0);
    if (phases.count("image-ns"))
        phases["lancement"] = (phases["image-ns"] - lancement.time_since_epoch().count()) / 1e6;
    phases.erase("image-ns");
    return phases;
}

double mediane(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Instructions from main() to the first frame of one start under callgrind,
// read from the counts it writes when `montrer` returns; 0 when it failed.
double instructions(std::vector<std::string> arguments) {
    const QTemporaryDir dossier;
    const std::string sortie = QFile::encodeName(dossier.path()).toStdString() + "/%p";
    arguments.insert(arguments.begin(),
                     {"valgrind", "--tool=callgrind", "--quiet", "--collect-atstart=no",
                      "--toggle-collect=main", "--dump-after=*montrer*", "--callgrind-out-file=" + sortie});
    demarrer(arguments);
    for (const QFileInfo& dump : QDir(dossier.path()).entryInfoList({"*.1"}, QDir::Files)) {
        QFile fichier(dump.filePath());
        if (!fichier.open(QIODevice::ReadOnly)) continue;
        while (!fichier.atEnd()) {
            const QByteArray ligne = fichier.readLine();
            if (ligne.startsWith("summary:")) return ligne.mid(8).trimmed().toDouble();
        }
    }
    return 0;
}

void afficher(const char* titre, const std::map<std::string, std::vector<double>>& phases) {
    std::printf("%s (médianes, ms)\n", titre);
    for (const auto& [nom, valeurs] : phases)
        std::printf("  %-16s %8.2f\n", nom.c_str(), mediane(valeurs));
}

} // namespace

int main(int argc, char** argv) {
    const auto debut = Horloge::now();
    // Offscreen unless a platform is asked for, as the command-line tool does.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "simulateur") return simulateur(argc, argv, debut);
    if (mode == "nue" && argc > 2) return nue(argc, argv, debut, std::atoi(argv[2]));

    const bool compter = mode == "instructions";
    const int argument = compter ? 2 : 1;
    const int departs = argc > argument ? std::max(1, std::atoi(argv[argument])) : compter ? 3 : 15;
    // Without a session each start would warn; a private runtime directory for all of them.
    const QTemporaryDir session;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(session.path()));
    const std::string programme =
        QFile::encodeName(QFileInfo("/proc/self/exe").canonicalFilePath()).toStdString();
    if (compter) {
        const std::string enfants =
            std::to_string(static_cast<long long>(demarrer({programme, "simulateur"})["widgets"]));
        std::vector<double> simulateurs, nues;
        for (int i = 0; i < departs; ++i) {
            simulateurs.push_back(instructions({programme, "simulateur"}));
            nues.push_back(instructions({programme, "nue", enfants}));
        }
        if (mediane(simulateurs) == 0 || mediane(nues) == 0) {
            std::printf("Valgrind n'a rien compté : est-il installé ?\n");
            return 1;
        }
        std::printf("%d démarrages de chaque sorte sous callgrind, %s widgets enfants\n", departs,
                    enfants.c_str());
        std::printf("instructions de main à la première image (médianes, millions)\n");
        std::printf("  simulateur   %8.2f\n  fenêtre nue  %8.2f\n", mediane(simulateurs) / 1e6,
                    mediane(nues) / 1e6);
        std::printf("rapport : %.2f\n", mediane(simulateurs) / mediane(nues));
        return 0;
    }
    std::map<std::string, std::vector<double>> simulateurs, nues;
    long long enfants = -1;
    for (int i = 0; i < departs; ++i) {
        const auto s = demarrer({programme, "simulateur"});
        if (!s.count("widgets")) {
            std::printf("Le démarrage du simulateur a échoué.\n");
            return 1;
        }
        enfants = static_cast<long long>(s.at("widgets"));
        for (const auto& [nom, valeur] : s)
            if (nom != "widgets") simulateurs[nom].push_back(valeur);
        for (const auto& [nom, valeur] : demarrer({programme, "nue", std::to_string(enfants)}))
            if (nom != "widgets") nues[nom].push_back(valeur);
    }
    std::printf("%d démarrages de chaque sorte, %lld widgets enfants\n", departs, enfants);
    afficher("simulateur", simulateurs);
    afficher("fenêtre nue", nues);
    std::printf("rapport depuis main : %.2f\n", mediane(simulateurs["total"]) / mediane(nues["total"]));
    std::printf("rapport depuis le lancement : %.2f\n",
                mediane(simulateurs["lancement"]) / mediane(nues["lancement"]));
    return 0;
}
