#include "view/TableauCsv.h"

namespace vedo {

namespace {

// A cell that holds a separator, a quote or a line break goes between quotes,
// its quotes doubled; the others stay as they are, so that numbers stay numbers.
void ajouterCellule(std::string& csv, const std::string& cellule) {
    if (cellule.find_first_of(";\"\r\n") == std::string::npos) {
        csv += cellule;
        return;
    }
    csv += '"';
    for (char c : cellule) {
        if (c == '"') csv += '"';
        csv += c;
    }
    csv += '"';
}

template <typename Cellules> void ajouterLigne(std::string& csv, const Cellules& cellules) {
    for (std::size_t c = 0; c < cellules.size(); ++c) {
        if (c > 0) csv += ';';
        ajouterCellule(csv, cellules[c]);
    }
    csv += "\r\n";
}

} // namespace

std::string tableauCsv(const TableauValeurs& tableau, int reaction) {
    std::string csv = "\xEF\xBB\xBF";
    auto enTetes = tableau.enTetes(reaction);
    for (std::string& t : enTetes) {
        std::erase(t, '\r');
        std::erase(t, '\n');
    }
    ajouterLigne(csv, enTetes);
    for (int r = 0; r < tableau.nombreLignes(); ++r)
        ajouterLigne(csv, tableau.ligne(r));
    return csv;
}

} // namespace vedo
