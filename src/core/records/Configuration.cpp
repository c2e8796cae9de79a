#include "records/Configuration.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "records/FichierEnregistrements.h"

#include <optional>
#include <type_traits>

namespace vedo {

namespace {

// The accessors are captureless lambdas, so that each kind of record below
// makes its reading and writing functions from one of them.
template <class Acces>
EnregistrementConfiguration texte(int numero, const char* contenu, Acces) {
    return {numero, contenu,
            [](Configuration& c, std::string_view t) {
                Acces{}(c) = std::string(t);
                return true;
            },
            [](const Configuration& c) { return Acces{}(c); }};
}

// The leading number, rounded into the record's integer type.
template <class Acces>
EnregistrementConfiguration entier(int numero, const char* contenu, Acces, int minimum = 0, int maximum = -1) {
    EnregistrementConfiguration e{numero, contenu,
                                  [](Configuration& c, std::string_view t) {
                                      auto& cible = Acces{}(c);
                                      const auto v =
                                          versEntier<std::remove_reference_t<decltype(cible)>>(valeurEnTete(t));
                                      if (!v) return false;
                                      cible = *v;
                                      return true;
                                  },
                                  [](const Configuration& c) { return texteEntierEnregistrement(Acces{}(c)); }};
    if (minimum <= maximum) {
        e.valeur = [](const Configuration& c) { return static_cast<int>(Acces{}(c)); };
        e.minimum = minimum;
        e.maximum = maximum;
    }
    return e;
}

// Only the exact text "1" ticks a box.
template <class Acces>
EnregistrementConfiguration drapeau(int numero, const char* contenu, Acces) {
    return {numero, contenu,
            [](Configuration& c, std::string_view t) {
                Acces{}(c) = t == "1";
                return true;
            },
            [](const Configuration& c) { return std::string(Acces{}(c) ? "1" : "0"); }};
}

std::vector<EnregistrementConfiguration> construireTable() {
    return {
        texte(2, "Text1(0)", [](auto& c) -> auto& { return c.quantites[0]; }),
        texte(3, "Text1(1)", [](auto& c) -> auto& { return c.quantites[1]; }),
        texte(4, "Text1(2)", [](auto& c) -> auto& { return c.quantites[2]; }),
        texte(5, "Text1(3)", [](auto& c) -> auto& { return c.quantites[3]; }),
        entier(6, "Combo1", [](auto& c) -> auto& { return c.reaction; }, 0, 3),
        entier(7, "Combo2", [](auto& c) -> auto& { return c.classeAlcool; }, 0, 2),
        entier(8, "Combo3", [](auto& c) -> auto& { return c.especeVolatile; }, -1, 3),
        entier(9, "couleur de la courbe 1", [](auto& c) -> auto& { return c.couleurs[0]; }),
        entier(10, "couleur de la courbe 2", [](auto& c) -> auto& { return c.couleurs[1]; }),
        entier(11, "couleur de la courbe 3", [](auto& c) -> auto& { return c.couleurs[2]; }),
        entier(12, "couleur de la courbe 4", [](auto& c) -> auto& { return c.couleurs[3]; }),
        entier(13, "VScroll2", [](auto& c) -> auto& { return c.positionDuree; }, 1, 16),
        entier(14, "VScroll3", [](auto& c) -> auto& { return c.defilementLignes; }, 10, 100),
        entier(15, "HScroll1", [](auto& c) -> auto& { return c.temperature; }, 0, 1000),
        entier(16, "HScroll2", [](auto& c) -> auto& { return c.vitesseAnimation; }, 0, 1000),
        drapeau(17, "Option1(0)", [](auto& c) -> auto& { return c.representationGraphique; }),
        drapeau(18, "Option1(1)", [](auto& c) -> auto& { return c.tableauValeurs; }),
        drapeau(19, "option2(0)", [](auto& c) -> auto& { return c.courbes[0]; }),
        drapeau(20, "option2(1)", [](auto& c) -> auto& { return c.courbes[1]; }),
        drapeau(21, "option2(2)", [](auto& c) -> auto& { return c.courbes[2]; }),
        drapeau(22, "option2(3)", [](auto& c) -> auto& { return c.courbes[3]; }),
        drapeau(23, "Check1", [](auto& c) -> auto& { return c.traceGras; }),
        drapeau(24, "Check2", [](auto& c) -> auto& { return c.conserverCourbes; }),
        drapeau(25, "Check3", [](auto& c) -> auto& { return c.afficherQr; }),
        drapeau(26, "Check4", [](auto& c) -> auto& { return c.distiller; }),
        drapeau(27, "Check5", [](auto& c) -> auto& { return c.catalyseur; }),
    };
}

} // namespace

const std::vector<EnregistrementConfiguration>& tableConfiguration() {
    static const std::vector<EnregistrementConfiguration> table = construireTable();
    return table;
}

std::string texteEntierEnregistrement(std::int64_t valeur) {
    std::string texte(1, valeur < 0 ? '-' : ' ');
    return texte += std::to_string(valeur < 0 ? -valeur : valeur);
}

std::vector<std::string> textesConfiguration(const Configuration& c) {
    std::vector<std::string> t{identificationConfiguration};
    for (const auto& e : tableConfiguration())
        t.push_back(e.ecrire(c));
    return t;
}

LectureConfiguration decoderConfiguration(std::string_view fichier, bool suiteIllisible) {
    LectureConfiguration r;
    const auto identification = texteEnregistrement(fichier, 1, suiteIllisible);
    if (!identification) {
        r.erreur = ErreurConfiguration::lectureImpossible;
        return r;
    }
    if (*identification != identificationConfiguration) {
        r.erreur = ErreurConfiguration::fichierNonValide;
        return r;
    }
    // The first record that cannot be read or converted stops the reading.
    bool ok = true;
    for (const auto& e : tableConfiguration()) {
        const auto t = texteEnregistrement(fichier, e.numero, suiteIllisible);
        if (!t || !e.lire(r.configuration, *t)) {
            ok = false;
            break;
        }
        r.dernierEnregistrementLu = e.numero;
    }
    // Then the first value read that its control cannot take: a list index
    // outside its list or a scroll value outside its bar.
    for (const auto& e : tableConfiguration()) {
        if (e.numero > r.dernierEnregistrementLu) break;
        if (!e.valeur) continue;
        const int v = e.valeur(r.configuration);
        if (v < e.minimum || v > e.maximum) {
            r.dernierEnregistrementLu = e.numero - 1;
            ok = false;
            break;
        }
    }
    if (!ok) r.erreur = ErreurConfiguration::lectureImpossible;
    return r;
}

std::optional<std::string> coderConfiguration(const Configuration& c) {
    return coderEnregistrements(textesConfiguration(c));
}

std::string titreErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return std::string("Fichier non valide");
    case ErreurConfiguration::lectureImpossible:
        return std::string("Erreur lors du chargement du fichier");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

std::string messageErreurConfiguration(ErreurConfiguration e) {
    switch (e) {
    case ErreurConfiguration::fichierNonValide:
        return std::string("Ce fichier ne correspond pas à cette application");
    case ErreurConfiguration::lectureImpossible:
        return std::string("Lecture impossible sur disque");
    case ErreurConfiguration::aucune:
        break;
    }
    return {};
}

} // namespace vedo
