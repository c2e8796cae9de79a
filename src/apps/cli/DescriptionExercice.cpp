#include "cli/DescriptionExercice.h"

#include <QFile>

namespace vedo::cli {

QString SectionDescription::valeur(const QString& cle) const {
    for (const auto& [c, v] : valeurs)
        if (c == cle) return v;
    return {};
}

bool SectionDescription::contient(const QString& cle) const {
    for (const auto& paire : valeurs)
        if (paire.first == cle) return true;
    return false;
}

const SectionDescription* DescriptionExercice::section(const QString& nom) const {
    for (const auto& s : sections)
        if (s.nom == nom) return &s;
    return nullptr;
}

std::optional<DescriptionExercice> lireDescriptionExercice(const QString& chemin, QString& erreur) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text)) {
        erreur = QStringLiteral("Impossible de lire la description %1").arg(chemin);
        return std::nullopt;
    }
    DescriptionExercice d;
    d.sections.append(SectionDescription());
    int numero = 0;
    for (const QString& brute : QString::fromUtf8(fichier.readAll()).split('\n')) {
        ++numero;
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith('#')) continue;
        if (ligne.startsWith('[') && ligne.endsWith(']')) {
            d.sections.append(SectionDescription{ligne.mid(1, ligne.size() - 2).trimmed(), {}});
            continue;
        }
        const auto egal = ligne.indexOf('=');
        if (egal <= 0) {
            erreur = QStringLiteral("%1, ligne %2 : « clé = valeur » attendu").arg(chemin).arg(numero);
            return std::nullopt;
        }
        d.sections.last().valeurs.append({ligne.left(egal).trimmed(), ligne.mid(egal + 1).trimmed()});
    }
    return d;
}

} // namespace vedo::cli
