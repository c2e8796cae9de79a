#include "presentation/TouchesMachine.h"

namespace vedo {

namespace {

// Three rows of six function keys, a row of eight unit prefixes, then the
// memory keys, the digits inside the framed area and the operators.
constexpr int gauche = 10;
constexpr int largeurUtile = 282;

Place caseFonction(int ligne, int colonne) {
    constexpr int largeur = 44;
    const int x = gauche + colonne * (largeurUtile - largeur) / 5;
    return {x, 122 + ligne * 38, largeur, 34};
}

Place casePrefixe(int colonne) {
    constexpr int largeur = 33;
    const int x = gauche + colonne * (largeurUtile - largeur) / 7;
    return {x, 244, largeur, 30};
}

constexpr int hautBas = 294;
constexpr int pasBas = 32;

Place caseMemoire(int ligne) {
    return {gauche, hautBas + ligne * pasBas, 64, 28};
}

// Inside the frame drawn from (82, 290) to (206, 421).
Place caseChiffre(int ligne, int colonne) {
    return {87 + colonne * 40, hautBas + ligne * pasBas, 36, 28};
}

Place caseOperateur(int ligne, int colonne, int colonnes = 1) {
    return {213 + colonne * 41, hautBas + ligne * pasBas, 38 + (colonnes - 1) * 41, 28};
}

std::function<void(Calculatrice&)> ajoute(std::string texte) {
    return [texte](Calculatrice& c) { c.ajouter(texte); };
}

std::function<void(Calculatrice&)> facteur(std::string texte) {
    return [texte](Calculatrice& c) { c.facteur(texte); };
}

std::vector<ToucheMachine> construire() {
    using F = FamilleTouche;
    std::vector<ToucheMachine> t{
        {"bsin", "&SIN", "Sinus", caseFonction(0, 0), F::fonction, facteur("sin ")},
        {"Bcos", "&COS", "Cosinus", caseFonction(0, 1), F::fonction, facteur("cos ")},
        {"Btan", "&TAN", "Tangente", caseFonction(0, 2), F::fonction, facteur("tan ")},
        {"Bln", "l&n", "", caseFonction(0, 3), F::fonction, facteur("ln ")},
        {"Blog", "&Log", "", caseFonction(0, 4), F::fonction, facteur("log ")},
        {"Bexp", "eˣ", "", caseFonction(0, 5), F::fonction, facteur("exp ")},
        {"invsin", "INV S&IN", "Inverse sinus", caseFonction(1, 0), F::fonction, facteur("invSIN ")},
        {"invcos", "INV C&OS", "Inverse cosinus", caseFonction(1, 1), F::fonction, facteur("invCOS ")},
        {"Btoncommande3", "INV T&AN", "Inverse tangente", caseFonction(1, 2), F::fonction,
         facteur("invTAN ")},
        {"racine", "√", "Racine carré", caseFonction(1, 3), F::fonction, facteur("SQR ")},
        {"B10x", "10ˣ", "", caseFonction(1, 4), F::fonction, facteur("10 ^ ")},
        {"pi", "π", "", caseFonction(1, 5), F::fonction, [](Calculatrice& c) { c.pi(); }},
        {"puissance", "xʸ", "", caseFonction(2, 0), F::fonction, [](Calculatrice& c) { c.puissance(); }},
        {"btcarre", "x²", "", caseFonction(2, 1), F::fonction, [](Calculatrice& c) { c.carre(); }},
        {"Command5", "1/x", "Inverse", caseFonction(2, 2), F::fonction, facteur("1 / ")},
        {"Bpo", "(", "", caseFonction(2, 3), F::fonction, facteur("(")},
        {"bpf", ")", "", caseFonction(2, 4), F::fonction, ajoute(")")},
        {"ANS", "ANS", "Dernière réponse", caseFonction(2, 5), F::fonction,
         [](Calculatrice& c) { c.reponse(); }},

        {"kilo", "k", "kilo", casePrefixe(0), F::prefixe, ajoute("E+3")},
        {"mega", "M", "Méga", casePrefixe(1), F::prefixe, ajoute("E+6")},
        {"giga", "G", "Giga", casePrefixe(2), F::prefixe, ajoute("E+9")},
        {"tera", "T", "Téra", casePrefixe(3), F::prefixe, ajoute("E+12")},
        {"mil", "m", "milli", casePrefixe(4), F::prefixe, ajoute("E-3")},
        {"micro", "µ", "micro", casePrefixe(5), F::prefixe, ajoute("E-6")},
        {"nano", "n", "nano", casePrefixe(6), F::prefixe, ajoute("E-9")},
        {"pico", "p", "pico", casePrefixe(7), F::prefixe, ajoute("E-12")},

        {"Command1", "M+", "Ajouter à la mémoire", caseMemoire(0), F::memoire,
         [](Calculatrice& c) { c.ajouterMemoire(); }},
        {"Command2", "M-", "Soustraire à la mémoire", caseMemoire(1), F::memoire,
         [](Calculatrice& c) { c.soustraireMemoire(); }},
        {"Command3", "RM", "Rappel mémoire", caseMemoire(2), F::memoire,
         [](Calculatrice& c) { c.rappelerMemoire(); }},
        {"Command4", "CM", "Effacer la mémoire", caseMemoire(3), F::memoire,
         [](Calculatrice& c) { c.effacerMemoire(); }},

        {"Bpoint", ".", "", caseChiffre(3, 1), F::chiffre, ajoute(".")},
        {"BtoEXP", "EXP", "", caseChiffre(3, 2), F::chiffre, ajoute("E")},

        {"RAZ", "AC", "Tout effacer", caseOperateur(0, 0), F::effacement,
         [](Calculatrice& c) { c.toutEffacer(); }},
        {"EFFACE", "←", "Effacer dernier caractère", caseOperateur(0, 1), F::effacement,
         [](Calculatrice& c) { c.effacer(); }},
        {"multip", "×", "", caseOperateur(1, 0), F::operateur, [](Calculatrice& c) { c.multiplier(); }},
        {"div", "÷", "", caseOperateur(1, 1), F::operateur, [](Calculatrice& c) { c.diviser(); }},
        {"plus", "+", "", caseOperateur(2, 0), F::operateur, [](Calculatrice& c) { c.plus(); }},
        {"moins", "-", "", caseOperateur(2, 1), F::operateur, [](Calculatrice& c) { c.moins(); }},
        {"EXE", "EXE", "Calculer", caseOperateur(3, 0, 2), F::calcul, {}},
    };
    // 7 8 9 / 4 5 6 / 1 2 3 / 0
    static const char* const noms[] = {"B0", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9"};
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
        const Place place =
            chiffre == 0 ? caseChiffre(3, 0) : caseChiffre(3 - (chiffre + 2) / 3, (chiffre - 1) % 3);
        t.push_back({noms[chiffre], std::to_string(chiffre), "", place, F::chiffre,
                     ajoute(std::to_string(chiffre))});
    }
    return t;
}

} // namespace

const char* nomFamille(FamilleTouche f) {
    switch (f) {
    case FamilleTouche::chiffre:
        return "chiffre";
    case FamilleTouche::fonction:
        return "fonction";
    case FamilleTouche::prefixe:
        return "prefixe";
    case FamilleTouche::operateur:
        return "operateur";
    case FamilleTouche::memoire:
        return "memoire";
    case FamilleTouche::effacement:
        return "effacement";
    case FamilleTouche::calcul:
        break;
    }
    return "calcul";
}

const std::vector<ToucheMachine>& touchesMachine() {
    static const std::vector<ToucheMachine> touches = construire();
    return touches;
}

} // namespace vedo
