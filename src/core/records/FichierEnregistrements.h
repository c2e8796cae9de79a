#pragma once
// Record files, shared by configurations, exercises and the hand-over file:
// records of 128 bytes, record n (from 1) at offset (n - 1) x 128, each a
// 2-byte little-endian length L followed by L bytes of Windows-1252 text
// (L <= 126) and bytes that mean nothing. Texts are UTF-8 on this side.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vedo {

inline constexpr int tailleEnregistrement = 128;
inline constexpr int longueurTexteMax = 126;

// Offset of record `numero` (from 1) in its file.
inline std::int64_t positionEnregistrement(int numero) {
    return static_cast<std::int64_t>(numero - 1) * tailleEnregistrement;
}

// The text of one record from its bytes, starting at the record (up to 128
// of them; more are ignored). No result when the length is above 126 or the
// bytes stop before the text does.
std::optional<std::string> decoderEnregistrement(std::string_view octets);

// The text of record `numero` in `fichier`, the first bytes of a file. A
// record past the end of the file reads as empty; when `suiteIllisible`, the
// bytes end where the file could no longer be read, and a record past them
// cannot be read either.
std::optional<std::string> texteEnregistrement(std::string_view fichier, int numero, bool suiteIllisible = false);

// The 128 bytes of a record holding `texte`; no result when the text takes
// more than 126 bytes in Windows-1252.
std::optional<std::string> coderEnregistrement(std::string_view texte);

// A whole file of records, one text each; no result when one is too long.
std::optional<std::string> coderEnregistrements(const std::vector<std::string>& textes);

} // namespace vedo
