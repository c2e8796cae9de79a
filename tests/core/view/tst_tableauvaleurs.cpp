#include "EssaiCoeur.h"

#include "view/TableauCsv.h"
#include "view/TableauValeurs.h"

#include <array>
#include <string>
#include <vector>

using namespace vedo;

namespace {

const std::array<std::string, 4> defauts = {"0,1", "0,1", "0", "0"};

const std::string& cellule(const TableauValeurs& t, int r, int c) {
    return t.ligne(r)[static_cast<std::size_t>(c)];
}

std::vector<std::string> decouper(const std::string& texte, const std::string& separateur) {
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find(separateur, debut)) != std::string::npos; debut = fin + separateur.size())
        morceaux.push_back(texte.substr(debut, fin - debut));
    morceaux.push_back(texte.substr(debut));
    return morceaux;
}

} // namespace

ESSAI(rowCountsAndTimes) {
    struct Ligne {
        const char* nom;
        int defilement, duree, lignes;
        std::string deuxieme, derniere, enTete;
    };
    essai::lignes<Ligne>({{"start-up: 51 rows of 10 min", 60, 600, 51, "0,2", "10,0", "\r\nt (min)"},
                          {"101 rows", 10, 600, 101, "0,1", "10,0", "\r\nt (min)"},
                          {"11 rows", 100, 600, 11, "1,0", "10,0", "\r\nt (min)"},
                          {"hours", 60, 18000, 51, "0,1", "5,0", "\r\nt (h)"},
                          {"seconds", 60, 20, 51, "0,4", "20,0", "\r\nt (s)"}},
                         [](const Ligne& l) {
                             TableauValeurs t;
                             t.prepatab(l.duree, l.defilement, defauts, Conditions{});
                             COMPARE(t.nombreLignes(), l.lignes);
                             COMPARE(t.ligne(0).size(), std::size_t(6)); // t, A, B, C, D, Qr
                             COMPARE(cellule(t, 0, 0), std::string("0,0"));
                             COMPARE(cellule(t, 1, 0), l.deuxieme);
                             COMPARE(cellule(t, l.lignes - 1, 0), l.derniere);
                             COMPARE(t.enTetes(0)[0], l.enTete);
                             VERIFIE(cellule(t, 1, 1).empty());
                         });
}

ESSAI(firstRow) {
    struct Ligne {
        const char* nom;
        std::array<std::string, 4> boites;
        int distillation, espece;
        std::vector<std::string> ligne;
    };
    essai::lignes<Ligne>(
        {{"texts as typed, Qr 0", {"1", "1,0", "0", "0"}, 0, 0, {"1", "1,0", "0", "0", "0"}},
         {"no reactant: no Qr", {"0", "1", "1", "1"}, 0, 0, {"0", "1", "1", "1", ""}},
         {"distilled species shows 0 whatever its text", {"1", "1", "0,5", "0,5"}, 1, 2, {"1", "1", "0", "0,5", "0"}},
         {"distilled A shows 0, no Qr left", {"1", "1", "0,5", "0,5"}, 1, 0, {"0", "1", "0,5", "0,5", ""}},
         {"distilled D shows 0 too", {"1", "1", "0,5", "0,5"}, 1, 3, {"1", "1", "0,5", "0", "0"}},
         {"products of unequal amounts: 0,5 x 0,2 / (1 x 2)", {"1", "2", "0,5", "0,2"}, 0, 0,
          {"1", "2", "0,5", "0,2", "0,05"}},
         {"distillation off keeps the text", {"1", "1", "0,5", "0,5"}, 0, 2, {"1", "1", "0,5", "0,5", "0,25"}}},
        [](const Ligne& l) {
            Conditions c;
            c.distillation = std::int16_t(l.distillation);
            c.especeVolatile = std::int16_t(l.espece);
            TableauValeurs t;
            t.prepatab(600, 60, l.boites, c);
            std::vector<std::string> obtenue;
            for (int col = 1; col < 6; ++col)
                obtenue.push_back(cellule(t, 0, col));
            COMPARE(obtenue, l.ligne);
        });
}

ESSAI(rowsWrittenWithThreeDigits) {
    TableauValeurs t;
    t.prepatab(600, 60, defauts, Conditions{});
    t.ecrireLigne(50, {0.0333333, 0.0444444, 0.0666667, 0.0555556});
    COMPARE(cellule(t, 50, 0), std::string("10,0")); // the time stays
    COMPARE(cellule(t, 50, 1), std::string("0,0333"));
    COMPARE(cellule(t, 50, 2), std::string("0,0444"));
    COMPARE(cellule(t, 50, 3), std::string("0,0667"));
    COMPARE(cellule(t, 50, 4), std::string("0,0556"));
    COMPARE(cellule(t, 50, 5), std::string("2,5")); // 0,0666667 x 0,0555556 / (0,0333333 x 0,0444444)
    // Beyond the grid, at either end: nothing written, no row added.
    t.ecrireLigne(51, {1, 1, 1, 1});
    t.ecrireLigne(-1, {1, 1, 1, 1});
    COMPARE(t.nombreLignes(), 51);
    COMPARE(cellule(t, 50, 1), std::string("0,0333"));
    COMPARE(cellule(t, 0, 1), std::string("0,1"));
    t.ecrireLigne(3, {0, 1, 1, 1});
    COMPARE(cellule(t, 3, 5), std::string());
    RemplisseurTableau(t).ligne(4, {0.5, 0.25, 0.125, 1});
    COMPARE(cellule(t, 4, 5), std::string("1")); // 0,125 x 1 / (0,5 x 0,25)
}

ESSAI(zeroDurationLeavesTheGridEmpty) {
    TableauValeurs t;
    t.prepatab(600, 60, defauts, Conditions{});
    t.prepatab(0, 60, defauts, Conditions{});
    COMPARE(t.nombreLignes(), 51);
    VERIFIE(cellule(t, 0, 0).empty());
    VERIFIE(cellule(t, 0, 1).empty());
}

ESSAI(headers) {
    TableauValeurs t;
    t.prepatab(600, 60, defauts, Conditions{});
    const auto h = t.enTetes(3);
    COMPARE(std::vector<std::string>(h.begin(), h.end()),
            (std::vector<std::string>{"\r\nt (min)", "Ester", "Ion hydroxyde", "Ion carboxylate", "Alcool", "\r\nQr"}));
    // A reaction outside the list names the species of the first one.
    COMPARE(t.enTetes(4)[1], std::string("Acide carboxylique"));
    COMPARE(t.enTetes(-1)[1], std::string("Acide carboxylique"));
}

// The file of 11 rows: a byte-order mark, the headers on one line, then
// row 0 as typed, a cell with ";" or a quote between quotes.
ESSAI(csv) {
    struct Ligne {
        const char* nom;
        std::array<std::string, 4> boites;
        std::string premiereLigne;
    };
    essai::lignes<Ligne>({{"numbers stay as shown", {"0,1", "0,1", "0", "0"}, "0,0;0,1;0,1;0;0;0"},
                          {"separator and quote quoted", {"1;5", "2\"", "0", "0"}, "0,0;\"1;5\";\"2\"\"\";0;0;"}},
                         [](const Ligne& l) {
                             TableauValeurs t;
                             t.prepatab(600, 100, l.boites, Conditions{});
                             const auto lignes = decouper(tableauCsv(t, 0), "\r\n");
                             COMPARE(lignes.size(), std::size_t(13)); // headers, 11 rows, nothing after the last CR LF
                             COMPARE(lignes[0], std::string("\xEF\xBB\xBFt (min);Acide carboxylique;Alcool;Ester;Eau;Qr"));
                             COMPARE(lignes[1], l.premiereLigne);
                             COMPARE(lignes[11], std::string("10,0;;;;;"));
                             COMPARE(lignes[12], std::string());
                         });
}

// The cells for the clipboard: tabs and line feeds, never a carriage return.
ESSAI(texteDuPressePapiers) {
    struct Ligne {
        const char* nom;
        std::vector<LigneTableau> lignes;
        std::string texte;
    };
    essai::lignes<Ligne>(
        {{"two rows", {{"0", "1", "2", "3", "4", "5"}, {"a", "b", "c", "d", "e", "f"}},
          "0\t1\t2\t3\t4\t5\na\tb\tc\td\te\tf"},
         {"empty cells keep their tabs", {{"0,0", "", "", "", "", ""}, {"", "", "4", "", "", ""}},
          "0,0\t\t\t\t\t\n\t\t4\t\t\t"},
         {"a carriage return and line feed inside a cell keep their length", {{"t\r\n(min)", "x", "", "", "", ""}},
          "t\n\n(min)\tx\t\t\t\t"},
         {"carriage returns in a row, a cell's end and the last cell",
          {{"\r\r\n", "y\r", "", "", "", ""}, {"z", "", "", "", "", "\r"}}, "\n\n\n\ty\n\t\t\t\t\nz\t\t\t\t\t\n"},
         {"no rows, no text", {}, ""}},
        [](const Ligne& l) {
            const std::string texte = texteTableau(l.lignes);
            COMPARE(texte, l.texte);
            VERIFIE(texte.find('\r') == std::string::npos);
        });
}
