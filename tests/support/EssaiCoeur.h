#pragma once
// Tests of the core, with the standard library only, so that they run natively
// and under node once built to WebAssembly. A test is a function registered
// with ESSAI; its cases are rows of a table, each with a plain-language name,
// run one after another: a failing row is reported with its name and the
// next rows still run.
//
//     ESSAI(arrondiPair) {
//         struct Ligne { const char* nom; double valeur, arrondi; };
//         essai::lignes<Ligne>({{"2.5 down to even", 2.5, 2.0}, {"3.5 up to even", 3.5, 4.0}},
//                              [](const Ligne& l) { COMPARE(vedo::arrondiPair(l.valeur), l.arrondi); });
//     }
//
// Floating values compare as QtTest's do (see flottantsEgaux). VERIFIE takes
// an optional second argument, described on failure; LEVE(Type, expression)
// checks that the expression throws a Type.

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace essai {

struct Echec {
    std::string message;
};

struct Test {
    const char* nom;
    void (*corps)();
};

inline std::vector<Test>& tests() {
    static std::vector<Test> inscrits;
    return inscrits;
}

struct Inscription {
    Inscription(const char* nom, void (*corps)()) { tests().push_back({nom, corps}); }
};

// A failure of the test that runs: the row it fell in (none outside a table)
// and what was found.
struct Defaut {
    std::string ligne;
    std::string message;
};
std::vector<Defaut>& echecs();

template <class T>
std::string decrire(const T& valeur) {
    if constexpr (std::is_same_v<T, bool>) {
        return valeur ? "true" : "false";
    } else if constexpr (std::is_convertible_v<const T&, std::string>) {
        return '"' + std::string(valeur) + '"';
    } else if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(valeur));
    } else if constexpr (requires(std::ostream& o) { o << valeur; }) {
        std::ostringstream o;
        o.precision(17);
        o << valeur;
        return o.str();
    } else if constexpr (requires { valeur.has_value(); *valeur; }) {
        return valeur ? decrire(*valeur) : "(rien)";
    } else if constexpr (requires { valeur.begin(); valeur.end(); }) {
        std::string s = "{";
        for (const auto& e : valeur) s += (s.size() > 1 ? ", " : "") + decrire(e);
        return s + "}";
    } else {
        return "(valeur)";
    }
}

// QtTest's fuzzy rule: an expected zero takes any value within the type's
// smallest step of zero; otherwise the two agree to twelve significant digits
// (five for two singles); infinities only equal infinities of their sign.
template <class F>
bool flottantsEgaux(F obtenu, F attendu) {
    constexpr F zero = std::is_same_v<F, float> ? F(1e-5) : F(1e-12);
    constexpr F facteur = std::is_same_v<F, float> ? F(1e5) : F(1e12);
    if (std::isnan(attendu)) return std::isnan(obtenu);
    if (std::isinf(attendu)) return std::isinf(obtenu) && (obtenu < 0) == (attendu < 0);
    if (std::abs(attendu) <= zero) return std::abs(obtenu) <= zero;
    return std::abs(obtenu - attendu) * facteur <= std::min(std::abs(obtenu), std::abs(attendu));
}

template <class A, class B>
bool egaux(const A& a, const B& b) {
    if constexpr (std::is_same_v<A, float> && std::is_same_v<B, float>) {
        return flottantsEgaux(a, b);
    } else if constexpr (std::is_floating_point_v<A> && std::is_floating_point_v<B>) {
        return flottantsEgaux(double(a), double(b));
    } else {
        return a == b;
    }
}

[[noreturn]] inline void echouer(const char* fichier, int ligne, const std::string& message) {
    throw Echec{std::string(fichier) + ":" + std::to_string(ligne) + ": " + message};
}

template <class A, class B>
void comparer(const A& obtenu, const B& attendu, const char* texteObtenu, const char* texteAttendu,
              const char* fichier, int ligne) {
    if (!egaux(obtenu, attendu))
        echouer(fichier, ligne,
                std::string(texteObtenu) + " vaut " + decrire(obtenu) + ", attendu " + texteAttendu + " = " +
                    decrire(attendu));
}

// Runs `corps` on each row; a row's failure is noted under its name.
template <class Ligne, class Corps>
void lignes(std::initializer_list<Ligne> tableau, Corps corps) {
    for (const Ligne& l : tableau) {
        try {
            corps(l);
        } catch (const Echec& e) {
            echecs().push_back({l.nom, e.message});
        }
    }
}
template <class Ligne, class Corps>
void lignes(const std::vector<Ligne>& tableau, Corps corps) {
    for (const Ligne& l : tableau) {
        try {
            corps(l);
        } catch (const Echec& e) {
            echecs().push_back({l.nom, e.message});
        }
    }
}

} // namespace essai

#define ESSAI(nom)                                                                                          \
    static void nom();                                                                                      \
    static const essai::Inscription inscription_##nom(#nom, nom);                                           \
    static void nom()

#define VERIFIE(condition, ...)                                                                              \
    do {                                                                                                    \
        if (!(condition))                                                                                   \
            essai::echouer(__FILE__, __LINE__,                                                              \
                           "faux : " #condition __VA_OPT__(+std::string(" (") + essai::decrire(__VA_ARGS__) + ")")); \
    } while (false)

#define LEVE(Type, expression)                                                                              \
    do {                                                                                                    \
        bool leve = false;                                                                                  \
        try {                                                                                               \
            expression;                                                                                     \
        } catch (const Type&) {                                                                             \
            leve = true;                                                                                    \
        }                                                                                                   \
        if (!leve) essai::echouer(__FILE__, __LINE__, #expression " ne lève pas " #Type);                   \
    } while (false)

#define COMPARE(obtenu, attendu) essai::comparer((obtenu), (attendu), #obtenu, #attendu, __FILE__, __LINE__)
