#pragma once
// The table of values as a French spreadsheet opens it without asking
// anything: UTF-8 with a byte-order mark, ";" between cells, CR LF at the end
// of each line, the cells as the grid shows them (decimal comma). The first
// line holds the column headers on one line each; every Qr is there, shown
// or not, since the file is for calculation.

#include "view/TableauValeurs.h"

#include <string>

namespace vedo {

std::string tableauCsv(const TableauValeurs& tableau, int reaction);

} // namespace vedo
