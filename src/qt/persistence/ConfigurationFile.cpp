#include "persistence/ConfigurationFile.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "persistence/RecordFile.h"

#include <QFile>

namespace vedo {

namespace {

// Reads records 2..27 into the configuration one by one; stops at the
// first record that cannot be read or converted.
class LecteurConfiguration {
public:
    explicit LecteurConfiguration(QFile& f) : fichier_(f) {}

    bool texte(int numero, QString& cible) {
        const auto t = lireEnregistrement(fichier_, numero);
        if (!t) return false;
        cible = *t;
        return true;
    }
    // The leading number, rounded into the record's integer type.
    template <typename Entier> bool entier(int numero, Entier& cible) {
        QString t;
        if (!texte(numero, t)) return false;
        const auto v = versEntier<Entier>(valeurEnTete(t.toStdString()));
        if (!v) return false;
        cible = *v;
        return true;
    }
    // Only the exact text "1" ticks a box.
    bool drapeau(int numero, bool& cible) {
        QString t;
        if (!texte(numero, t)) return false;
        cible = t == QLatin1String("1");
        return true;
    }

private:
    QFile& fichier_;
};

// The first record (6..16) whose value the control cannot take, or 0: a list
// index outside its list or a scroll value outside its bar.
int premierHorsLimites(const Configuration& c) {
    const struct {
        int numero;
        int valeur, minimum, maximum;
    } limites[] = {
        {6, c.reaction, 0, 3},
        {7, c.classeAlcool, 0, 2},
        {8, c.especeVolatile, -1, 3},
        {13, c.positionDuree, 1, 16},
        {14, c.defilementLignes, 10, 100},
        {15, c.temperature, 0, 1000},
        {16, c.vitesseAnimation, 0, 1000},
    };
    for (const auto& l : limites)
        if (l.valeur < l.minimum || l.valeur > l.maximum) return l.numero;
    return 0;
}

} // namespace

LectureConfiguration lireConfiguration(const QString& chemin) {
    LectureConfiguration r;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        r.erreur = ErreurConfiguration::lectureImpossible;
        return r;
    }
    const auto identification = lireEnregistrement(fichier, 1);
    if (!identification) {
        r.erreur = ErreurConfiguration::lectureImpossible;
        return r;
    }
    if (*identification != identificationConfiguration) {
        r.erreur = ErreurConfiguration::fichierNonValide;
        return r;
    }
    LecteurConfiguration lecteur(fichier);
    Configuration& c = r.configuration;
    int numero = 2;
    // Each step reads the record `numero` and moves on; the first failure stops.
    const auto etape = [&](bool lu) {
        if (!lu) return false;
        r.dernierEnregistrementLu = numero++;
        return true;
    };
    bool ok = true;
    for (auto& q : c.quantites)
        ok = ok && etape(lecteur.texte(numero, q));
    ok = ok && etape(lecteur.entier(numero, c.reaction));
    ok = ok && etape(lecteur.entier(numero, c.classeAlcool));
    ok = ok && etape(lecteur.entier(numero, c.especeVolatile));
    for (auto& couleur : c.couleurs)
        ok = ok && etape(lecteur.entier(numero, couleur));
    ok = ok && etape(lecteur.entier(numero, c.positionDuree));
    ok = ok && etape(lecteur.entier(numero, c.defilementLignes));
    ok = ok && etape(lecteur.entier(numero, c.temperature));
    ok = ok && etape(lecteur.entier(numero, c.vitesseAnimation));
    ok = ok && etape(lecteur.drapeau(numero, c.representationGraphique));
    ok = ok && etape(lecteur.drapeau(numero, c.tableauValeurs));
    for (auto& courbe : c.courbes) {
        bool b = false;
        ok = ok && etape(lecteur.drapeau(numero, b));
        if (ok) courbe = b;
    }
    ok = ok && etape(lecteur.drapeau(numero, c.traceGras));
    ok = ok && etape(lecteur.drapeau(numero, c.conserverCourbes));
    ok = ok && etape(lecteur.drapeau(numero, c.afficherQr));
    ok = ok && etape(lecteur.drapeau(numero, c.distiller));
    ok = ok && etape(lecteur.drapeau(numero, c.catalyseur));
    const int horsLimites = premierHorsLimites(c);
    if (horsLimites != 0 && horsLimites <= r.dernierEnregistrementLu) {
        r.dernierEnregistrementLu = horsLimites - 1;
        ok = false;
    }
    if (!ok) r.erreur = ErreurConfiguration::lectureImpossible;
    return r;
}

bool ecrireConfiguration(const QString& chemin, const Configuration& c) {
    return ecrireFichierEnregistrements(chemin, textesConfiguration(c));
}

QString titreErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return QStringLiteral("Fichier non valide");
    case ErreurConfiguration::lectureImpossible:
        return QStringLiteral("Erreur lors du chargement du fichier");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

QString messageErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return QStringLiteral("Ce fichier ne correspond pas à cette application");
    case ErreurConfiguration::lectureImpossible:
        return QStringLiteral("Lecture impossible sur disque");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

} // namespace vedo
