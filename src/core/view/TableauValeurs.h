#pragma once
// The table of values: one row per sampling instant t_r = r T / (R - 1),
// columns t, A, B, C, D and Qr = nC nD / (nA nB). The grid widget shows
// these cells; the command-line tool prints them.

#include "engine/Conditions.h"
#include "engine/RunLoop.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vedo {

inline constexpr int colonnesTableau = 6;
using LigneTableau = std::array<std::string, colonnesTableau>;

// R = 111 - value of the row-count scroll bar (10..100 gives 101..11 rows).
int nombreLignesTableau(int valeurDefilement);

// Amount and Qr cells: three significant digits; empty when the value does
// not fit a single.
std::string texteCellule(double valeur);

// Qr with three significant digits, or nothing when nA nB is 0.
std::optional<std::string> texteQr(const Quantites& n);

// The cells as the clipboard takes them: a tab between cells, a line feed
// between rows. A carriage return becomes a line feed in place, so that the
// text keeps its length: a cell's CR LF gives two line feeds.
std::string texteTableau(const std::vector<LigneTableau>& lignes);

class TableauValeurs {
public:
    // Rebuilds the grid for a run of `duree` seconds: times in the unit of
    // the graph, row 0 from the typed amounts (the distilled species shows
    // 0). A zero duration leaves the grid empty.
    void prepatab(std::int32_t duree, int valeurDefilement, const std::array<std::string, 4>& textesQuantites,
                  const Conditions& conditions);

    // Writes the amounts and Qr of row `ligne` as a run reaches its instant.
    void ecrireLigne(int ligne, const Quantites& n);

    int nombreLignes() const { return static_cast<int>(lignes_.size()); }
    const LigneTableau& ligne(int r) const { return lignes_.at(static_cast<std::size_t>(r)); }
    const std::vector<LigneTableau>& lignes() const { return lignes_; }
    std::int16_t unite() const { return unite_; }

    // Header captions: "\r\nt (min)", the species names, "\r\nQr".
    std::array<std::string, colonnesTableau> enTetes(int reaction) const;

private:
    std::vector<LigneTableau> lignes_;
    std::int16_t unite_ = 1;
};

// Writes the rows a run reports into a table; draws nothing.
class RemplisseurTableau : public RunSink {
public:
    explicit RemplisseurTableau(TableauValeurs& tableau) : tableau_(tableau) {}
    void premierPoint(const Quantites&) override {}
    void point(double, const Quantites&) override {}
    void ligne(int ligneTab, const Quantites& n) override { tableau_.ecrireLigne(ligneTab, n); }

private:
    TableauValeurs& tableau_;
};

} // namespace vedo
