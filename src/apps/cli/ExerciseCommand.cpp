// vedoriruvirivi-cli exercice: makes an exercise file, its statement and
// correction texts in RTF and their configurations from a readable
// description (see DescriptionExercice.h). The build ships the exercises
// this way; a teacher can prepare his own.

#include "cli/Command.h"
#include "cli/DescriptionExercice.h"
#include "cli/RunOptions.h"
#include "exercises/FichierExercice.h"
#include "exercises/RtfFichier.h"
#include "persistence/ConfigurationFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace vedo::cli {

namespace {

const QStringList clesExercice = {"titre", "notion1", "notion2", "notion3", "notion4", "difficulte", "duree"};
// Keys of a text section that are not conditions.
const QStringList clesTexte = {"texte", "rtf", "c15"};

struct Sortie {
    QString repertoireSource;
    QString repertoireSortie;
};

// The RTF of an HTML text, in the exercise texts' Arial 10.
bool ecrireTexte(const SectionDescription& s, const Sortie& sortie, QString& erreur) {
    QFile html(QDir(sortie.repertoireSource).filePath(s.valeur("texte")));
    if (!html.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("Texte introuvable : %1").arg(html.fileName());
        return false;
    }
    QTextDocument document;
    document.setDefaultFont(QFont("Arial", 10));
    document.setHtml(QString::fromUtf8(html.readAll()).trimmed());
    return enregistrerRtf(QDir(sortie.repertoireSortie).filePath(s.valeur("rtf")), document, &erreur);
}

bool ecrireConfigurationSection(const SectionDescription& s, const Sortie& sortie, QString& erreur) {
    QStringList arguments;
    bool conserver = false, tableau = false;
    for (const auto& [cle, valeur] : s.valeurs) {
        if (clesTexte.contains(cle)) continue;
        if (cle == "keep-curves")
            conserver = valeur == "1";
        else if (cle == "values-table")
            tableau = valeur == "1";
        else
            arguments << "--" + cle << valeur;
    }
    const auto options = lireOptionsRun(arguments, erreur);
    if (!options) return false;
    if (!options->restants.isEmpty()) {
        erreur = QStringLiteral("Clé inconnue dans [%1] : %2").arg(s.nom, options->restants.first().mid(2));
        return false;
    }
    Configuration c = options->reglages;
    c.conserverCourbes = conserver;
    c.tableauValeurs = tableau;
    c.representationGraphique = !tableau;
    if (!ecrireConfiguration(QDir(sortie.repertoireSortie).filePath(s.valeur("c15")), c)) {
        erreur = QStringLiteral("Impossible d'écrire %1").arg(s.valeur("c15"));
        return false;
    }
    return true;
}

// Writes the section's files; gives the names of its text and configuration.
bool ecrireSection(const SectionDescription& s, const Sortie& sortie, std::string& texte, std::string& configuration,
                   QString& erreur) {
    if (s.valeur("texte").isEmpty() || s.valeur("rtf").isEmpty()) {
        erreur = QStringLiteral("La section [%1] doit nommer « texte » et « rtf »").arg(s.nom);
        return false;
    }
    if (!ecrireTexte(s, sortie, erreur)) return false;
    texte = s.valeur("rtf").toStdString();
    if (!s.contient("c15")) return true;
    if (!ecrireConfigurationSection(s, sortie, erreur)) return false;
    configuration = s.valeur("c15").toStdString();
    return true;
}

int commandeExercice(const QStringList& arguments) {
    const auto iSortie = arguments.indexOf("-o");
    if (arguments.size() != 3 || iSortie < 0 || iSortie == 2)
        return erreur("Usage : vedoriruvirivi-cli exercice DESCRIPTION -o FICHIER.E39");
    const QString cheminSortie = arguments[iSortie + 1];
    const QString cheminDescription = arguments[iSortie == 0 ? 2 : 0];

    QString message;
    const auto description = lireDescriptionExercice(cheminDescription, message);
    if (!description) return erreur(message);
    const SectionDescription& tete = description->sections.first();
    for (const auto& paire : tete.valeurs)
        if (!clesExercice.contains(paire.first)) return erreur("Clé inconnue : " + paire.first);
    for (const auto& s : description->sections.mid(1))
        if (s.nom != "enonce" && s.nom != "correction") return erreur("Section inconnue : [" + s.nom + "]");
    const SectionDescription* enonce = description->section("enonce");
    if (!enonce) return erreur("La description n'a pas de section [enonce]");

    const Sortie sortie{QFileInfo(cheminDescription).absolutePath(), QFileInfo(cheminSortie).absolutePath()};
    QDir().mkpath(sortie.repertoireSortie);
    FichierExercice e;
    if (!ecrireSection(*enonce, sortie, e.enonce, e.configuration, message)) return erreur(message);
    if (const auto* correction = description->section("correction"))
        if (!ecrireSection(*correction, sortie, e.correction, e.configurationCorrection, message))
            return erreur(message);

    e.difficulte = tete.valeur("difficulte").toStdString();
    e.titre = tete.valeur("titre").toStdString();
    e.dureeTravail = tete.valeur("duree").toStdString();
    // One line per notion: each one but the last ends its line.
    QStringList notions;
    for (int i = 1; i <= 4; ++i)
        if (const QString n = tete.valeur(QString("notion%1").arg(i)); !n.isEmpty()) notions << n;
    for (int i = 0; i < notions.size(); ++i)
        e.notions[i] = (notions[i] + (i + 1 < notions.size() ? "\r\n" : "")).toStdString();
    if (!ecrireFichierExercice(cheminSortie, e))
        return erreur("Impossible d'écrire " + cheminSortie + " (un texte dépasse-t-il 126 caractères ?)");
    return 0;
}

const InscriptionCommande inscription("exercice", "exercice DESCRIPTION -o FICHIER.E39", commandeExercice);

} // namespace

} // namespace vedo::cli
