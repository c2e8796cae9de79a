#include "exercises/FichierExercice.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "persistence/RecordFile.h"

#include <QFile>

namespace vedo {

namespace {

// Far more than any exercise asks, and a string that stays small.
constexpr int sabliersMax = 50;

double nombreEnTete(const QString& texte) {
    return valeurEnTete(texte.toStdString());
}

} // namespace

bool FichierExercice::corrige() const {
    return !correction.trimmed().isEmpty() || !configurationCorrection.trimmed().isEmpty();
}

int FichierExercice::etoilesAllumees() const {
    const double niveau = nombreEnTete(difficulte);
    int allumees = 0;
    for (int i = 0; i < 3; ++i)
        if (niveau > i) ++allumees;
    return allumees;
}

QString FichierExercice::texteNotions() const {
    QString texte;
    for (const QString& ligne : notions)
        texte += ligne;
    return texte;
}

QString FichierExercice::sabliers() const {
    const auto n = versEntier16(nombreEnTete(dureeTravail));
    if (!n || *n <= 0) return {};
    return QString(std::min<int>(*n, sabliersMax), QChar(0x231B));
}

std::optional<FichierExercice> lireFichierExercice(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return std::nullopt;
    FichierExercice e;
    const std::array<QString*, 4> noms = {&e.enonce, &e.configuration, &e.correction,
                                          &e.configurationCorrection};
    for (int numero = 1; numero <= 4; ++numero) {
        const auto texte = lireEnregistrement(fichier, numero);
        if (!texte) return std::nullopt;
        *noms[numero - 1] = *texte;
    }
    const auto lire = [&fichier](int numero) {
        return lireEnregistrement(fichier, numero).value_or(QString());
    };
    e.difficulte = lire(5);
    for (int i = 0; i < 4; ++i)
        e.notions[i] = lire(7 + i);
    e.titre = lire(11);
    e.dureeTravail = lire(12);
    return e;
}

bool ecrireFichierExercice(const QString& chemin, const FichierExercice& e) {
    QStringList textes = {e.enonce,     e.configuration, e.correction, e.configurationCorrection,
                          e.difficulte, QString()};
    for (const QString& ligne : e.notions)
        textes << ligne;
    textes << e.titre << e.dureeTravail;
    return ecrireFichierEnregistrements(chemin, textes);
}

} // namespace vedo
