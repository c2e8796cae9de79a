// Time and peak memory of the inputs that must stay bounded: a 1 GB
// configuration file, evaluator entries of 100 000 characters, RTF nested
// or numbered beyond reason, an amount box pasted with junk. Each case runs
// in a process of its own so that its peak memory is its own.
//   bench_bornes            every case
//   bench_bornes <case>     one case

#include "evaluator/Evaluateur.h"
#include "exercises/RtfLecteur.h"
#include "mainwindow/FeuilleP.h"
#include "persistence/ConfigurationFile.h"
#include "persistence/RecordFile.h"
#include "platform/ScriptedPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vedo;

namespace {

long picMemoireKo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

std::string repete(const std::string& motif, int fois) {
    std::string r;
    r.reserve(motif.size() * fois);
    for (int i = 0; i < fois; ++i)
        r += motif;
    return r;
}

std::string evaluation(std::string texte) {
    const auto code = evaluer(texte, ModeAngle::degres);
    return code == CodeErreur::aucune ? "résultat " + texte.substr(0, 20)
                                      : "erreur " + std::to_string(int(code));
}

std::string aleatoire(int longueur) {
    const std::string alphabet = "0123456789.+-*/^()ESINCOTAGLXPQRD ";
    std::mt19937 hasard(11);
    std::string r;
    for (int i = 0; i < longueur; ++i)
        r += alphabet[hasard() % alphabet.size()];
    return r;
}

std::string rtf(const std::string& corps) {
    QTextDocument document;
    QString erreur;
    const bool lu = lireRtf(QByteArray::fromStdString("{\\rtf1 " + corps + "}"), document, &erreur);
    return std::string(lu ? "lu, " : "refusé, ") + std::to_string(document.characterCount()) + " caractères";
}

std::string configurationGeante() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("geant.C15");
    ecrireConfiguration(chemin, Configuration{});
    QFile(chemin).resize(qint64(1) << 30);
    const auto lu = lireConfiguration(chemin);
    return "erreur " + std::to_string(int(lu.erreur)) + ", " + std::to_string(lu.dernierEnregistrementLu) +
           " enregistrements";
}

std::string collerDansQuantite(const QString& collage) {
    ScriptedPrompter prompteur;
    ApplicationState etat{prompteur};
    FeuilleP fenetre(etat);
    fenetre.show();
    QApplication::processEvents();
    auto* boite = fenetre.findChild<QLineEdit*>("Text1(2)");
    QApplication::clipboard()->setText(collage);
    const auto debut = std::chrono::steady_clock::now();
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(boite, Qt::Key_Return);
    const auto fin = std::chrono::steady_clock::now();
    return std::to_string(boite->text().size()) + " caractères restent, " +
           std::to_string(prompteur.questions.size()) + " message(s), collage et validation " +
           std::to_string(std::chrono::duration<double, std::milli>(fin - debut).count()) + " ms";
}

const std::map<std::string, std::function<std::string()>>& cas() {
    static const std::map<std::string, std::function<std::string()>> c = {
        {"configuration-1Go", configurationGeante},
        {"evaluateur-somme", [] { return evaluation(repete("1+", 49'999) + "1"); }},
        {"evaluateur-parentheses",
         [] { return evaluation(repete("(", 49'999) + "1" + repete(")", 49'999)); }},
        {"evaluateur-signes", [] { return evaluation(repete("-", 99'999) + "1"); }},
        {"evaluateur-fonctions", [] { return evaluation(repete("SIN", 33'333) + "1"); }},
        {"evaluateur-chiffres", [] { return evaluation(repete("9", 100'000)); }},
        {"evaluateur-aleatoire", [] { return evaluation(aleatoire(100'000)); }},
        {"rtf-profondeur", [] { return rtf(repete("{", 1'000'000) + "x" + repete("}", 1'000'000)); }},
        {"rtf-nombres", [] { return rtf(repete("\\fs99999999999999999999\\li-99999999999 x", 200'000)); }},
        {"rtf-binaire", [] { return rtf("\\bin2147483647 x"); }},
        {"rtf-unicode", [] { return rtf(repete("\\uc2147483647\\u-2147483648 x", 200'000)); }},
        {"quantite-collage-lettres", [] { return collerDansQuantite(QString(1'000'000, 'x')); }},
        {"quantite-collage-chiffres", [] { return collerDansQuantite(QString(1'000'000, '9')); }},
        {"quantite-collage-melange",
         [] { return collerDansQuantite(QString::fromStdString(aleatoire(1'000'000))); }},
    };
    return c;
}

int mesurer(const std::string& nom) {
    const auto& f = cas().at(nom);
    const long avant = picMemoireKo();
    const auto debut = std::chrono::steady_clock::now();
    const std::string resultat = f();
    const auto fin = std::chrono::steady_clock::now();
    std::printf("%-28s %9.1f ms  pic %7.1f Mo (+%6.1f Mo)  %s\n", nom.c_str(),
                std::chrono::duration<double, std::milli>(fin - debut).count(), picMemoireKo() / 1024.0,
                (picMemoireKo() - avant) / 1024.0, resultat.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc > 1) {
        QApplication application(argc, argv);
        return mesurer(argv[1]);
    }
    for (const auto& [nom, f] : cas()) {
        std::fflush(stdout);
        const pid_t enfant = fork();
        if (enfant == 0) {
            execl("/proc/self/exe", argv[0], nom.c_str(), nullptr);
            _exit(127);
        }
        int statut = 0;
        waitpid(enfant, &statut, 0);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
            std::printf("%-28s ÉCHEC (statut %d)\n", nom.c_str(), statut);
    }
    return 0;
}
