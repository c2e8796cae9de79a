// The harness's own rules: its comparisons agree with QtTest's, a failing
// row is noted under its name without stopping the next rows, and the
// checks fail when they must.

#include "EssaiCoeur.h"

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double infini = std::numeric_limits<double>::infinity();

// The failures noted since `avant`, taken back out of the running test's list.
std::vector<essai::Defaut> reprendre(std::size_t avant) {
    auto& liste = essai::echecs();
    std::vector<essai::Defaut> notes(liste.begin() + static_cast<std::ptrdiff_t>(avant), liste.end());
    liste.resize(avant);
    return notes;
}

} // namespace

ESSAI(doublesCompareLikeQtTest) {
    struct Ligne {
        const char* nom;
        double obtenu, attendu;
        bool egaux;
    };
    essai::lignes<Ligne>({{"same value", 0.1, 0.1, true},
                          {"twelve digits agree", 1.0 + 1e-13, 1.0, true},
                          {"eleven digits only", 1.0 + 1e-11, 1.0, false},
                          {"zero expected, a trace obtained", 1e-13, 0.0, true},
                          {"zero expected, too much obtained", 1e-11, 0.0, false},
                          {"negative zero", -0.0, 0.0, true},
                          {"infinity of the same sign", infini, infini, true},
                          {"infinities of opposite signs", infini, -infini, false},
                          {"a huge finite value is not infinite", 1e308, infini, false},
                          {"nan equals nan", std::nan(""), std::nan(""), true},
                          {"a number is not nan", 1.0, std::nan(""), false}},
                         [](const Ligne& l) { COMPARE(essai::egaux(l.obtenu, l.attendu), l.egaux); });
}

ESSAI(singlesCompareToFiveDigits) {
    struct Ligne {
        const char* nom;
        float obtenu, attendu;
        bool egaux;
    };
    essai::lignes<Ligne>({{"six digits agree", 1.000001f, 1.0f, true},
                          {"four digits only", 1.0001f, 1.0f, false},
                          {"below 1e-5 is zero", 4e-6f, 0.0f, true},
                          {"above 1e-5 is not", 2e-5f, 0.0f, false}},
                         [](const Ligne& l) { COMPARE(essai::egaux(l.obtenu, l.attendu), l.egaux); });
    // A double against a single compares as two doubles, to twelve digits.
    VERIFIE(!essai::egaux(1.000001, 1.0f));
}

ESSAI(aFailingRowIsNamedAndTheNextRowsRun) {
    struct Ligne {
        const char* nom;
        int valeur;
    };
    const auto avant = essai::echecs().size();
    int vues = 0;
    essai::lignes<Ligne>({{"first", 1}, {"second", 2}, {"third", 1}}, [&](const Ligne& l) {
        ++vues;
        COMPARE(l.valeur, 1);
    });
    const auto notes = reprendre(avant);
    COMPARE(vues, 3);
    COMPARE(notes.size(), std::size_t(1));
    COMPARE(notes[0].ligne, "second");
    VERIFIE(notes[0].message.find("l.valeur vaut 2, attendu 1") != std::string::npos, notes[0].message);
}

ESSAI(checksFailWhenTheyMust) {
    struct Ligne {
        const char* nom;
        void (*verification)();
        const char* dit;
    };
    essai::lignes<Ligne>(
        {{"a false condition", [] { VERIFIE(1 + 1 == 3); }, "faux : 1 + 1 == 3"},
         {"a false condition and what it carries", [] { VERIFIE(false, 42); }, "(42)"},
         {"unequal texts", [] { COMPARE(std::string("a"), "b"); }, "vaut \"a\", attendu \"b\""},
         {"nothing thrown", [] { LEVE(std::runtime_error, (void)0); }, "ne lève pas std::runtime_error"},
         {"another exception thrown",
          [] { LEVE(std::runtime_error, throw std::logic_error("autre")); }, "exception"}},
        [](const Ligne& l) {
            std::string message;
            try {
                l.verification();
            } catch (const essai::Echec& e) {
                message = e.message;
            } catch (const std::exception& e) {
                message = std::string("exception ") + e.what();
            }
            VERIFIE(message.find(l.dit) != std::string::npos, message);
        });
    // A check that holds says nothing.
    VERIFIE(true);
    COMPARE(2, 2);
    LEVE(std::runtime_error, throw std::runtime_error("attendue"));
}
