#pragma once
// The readable source of an exercise that ships with the program: lines
// "clé = valeur", sections "[enonce]" and "[correction]", comments from '#'.
// The keys before the first section describe the exercise (titre, notion1 to
// notion4, difficulte, duree); each section names its HTML text ("texte"),
// the RTF file made from it ("rtf"), and, with "c15", a configuration whose
// other keys are the condition options of the command line without "--".

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace vedo::cli {

struct SectionDescription {
    QString nom; // empty for the keys before the first section
    QList<QPair<QString, QString>> valeurs;

    QString valeur(const QString& cle) const;
    bool contient(const QString& cle) const;
};

struct DescriptionExercice {
    QList<SectionDescription> sections;

    // The section of that name; none when absent.
    const SectionDescription* section(const QString& nom) const;
};

// Reads a description in UTF-8. On a line that is neither blank, a comment, a
// section nor "clé = valeur", writes the French message to `erreur`.
std::optional<DescriptionExercice> lireDescriptionExercice(const QString& chemin, QString& erreur);

} // namespace vedo::cli
