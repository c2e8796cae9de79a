#include "common/NumberText.h"

#include "common/Rounding.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vedo {

namespace {

// |v| = d1.d2d3... x 10^exposant, with the digits of the general format.
struct Decimal {
    bool negatif = false;
    std::string chiffres; // no leading zero; "0" for zero
    int exposant = 0;
    bool zero() const { return chiffres == "0"; }
};

Decimal decimal(double v, int precision) {
    Decimal d;
    if (v == 0.0) {
        d.chiffres = "0";
        return d;
    }
    d.negatif = v < 0;
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*e", precision - 1, std::fabs(v));
    std::string s(tampon);
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') d.chiffres += s[i];
    d.exposant = std::atoi(s.c_str() + e + 1);
    return d;
}

void supprimerZerosFinaux(Decimal& d) {
    while (d.chiffres.size() > 1 && d.chiffres.back() == '0')
        d.chiffres.pop_back();
}

// Adds one unit in the last place of a digit string; true when the carry
// lengthened it ("99" -> "100").
bool incrementer(std::string& chiffres) {
    for (auto i = chiffres.size(); i-- > 0;) {
        if (chiffres[i] == '9') {
            chiffres[i] = '0';
        } else {
            ++chiffres[i];
            return false;
        }
    }
    chiffres.insert(chiffres.begin(), '1');
    return true;
}

// Keeps n significant digits, halves away from zero.
Decimal arrondiSignificatif(Decimal d, std::size_t n) {
    if (d.zero()) return d;
    if (d.chiffres.size() > n) {
        const bool hausse = d.chiffres[n] >= '5';
        d.chiffres.resize(n);
        if (hausse && incrementer(d.chiffres)) {
            d.chiffres.resize(n);
            ++d.exposant;
        }
    }
    while (d.chiffres.size() < n)
        d.chiffres += '0';
    return d;
}

std::string texteExposant(int e) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    return tampon;
}

std::string texteGeneralDe(double v, int precision, int seuilExposant, char separateur) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Inf" : "Inf";
    Decimal d = decimal(v, precision);
    if (d.zero()) return "0";
    supprimerZerosFinaux(d);
    std::string s = d.negatif ? "-" : "";
    if (d.exposant < -4 || d.exposant >= seuilExposant) {
        s += d.chiffres[0];
        if (d.chiffres.size() > 1) s += separateur + d.chiffres.substr(1);
        return s + texteExposant(d.exposant);
    }
    if (d.exposant < 0) return s + '0' + separateur + std::string(-d.exposant - 1, '0') + d.chiffres;
    const auto entiers = static_cast<std::size_t>(d.exposant) + 1;
    if (d.chiffres.size() <= entiers) return s + d.chiffres + std::string(entiers - d.chiffres.size(), '0');
    return s + d.chiffres.substr(0, entiers) + separateur + d.chiffres.substr(entiers);
}

// Scientific pattern: `significatifs` digits in the mantissa; with
// `sansZerosFinaux` the mantissa's trailing zeros go but its separator stays.
std::string texteScientifique(const Decimal& source, std::size_t significatifs, bool sansZerosFinaux,
                              char separateur) {
    Decimal d = arrondiSignificatif(source, significatifs);
    if (sansZerosFinaux) supprimerZerosFinaux(d);
    std::string s = (d.negatif && !d.zero()) ? "-" : "";
    s += d.chiffres[0];
    s += separateur;
    if (d.zero() && !sansZerosFinaux)
        s += std::string(significatifs - 1, '0');
    else if (d.chiffres.size() > 1)
        s += d.chiffres.substr(1);
    return s + texteExposant(d.zero() ? 0 : d.exposant);
}

// Fixed pattern with `decimales` digits after the separator and at least one
// before it.
std::string texteFixe(const Decimal& d, int decimales, char separateur) {
    std::string entier; // round_half_away(|v| x 10^decimales) as digits
    if (d.zero()) {
        entier = "0";
    } else {
        const int p = d.exposant + 1 + decimales;
        if (p < 0) {
            entier = "0";
        } else if (p == 0) {
            entier.assign(1, d.chiffres[0] >= '5' ? '1' : '0');
        } else if (static_cast<std::size_t>(p) >= d.chiffres.size()) {
            entier = d.chiffres + std::string(p - d.chiffres.size(), '0');
        } else {
            entier = d.chiffres.substr(0, p);
            if (d.chiffres[p] >= '5') incrementer(entier);
        }
    }
    if (entier.size() < static_cast<std::size_t>(decimales) + 1)
        entier.insert(0, decimales + 1 - entier.size(), '0');
    const bool nul = entier.find_first_not_of('0') == std::string::npos;
    std::string s = (d.negatif && !nul) ? "-" : "";
    if (decimales == 0) return s + entier;
    const auto coupure = entier.size() - decimales;
    return s + entier.substr(0, coupure) + separateur + entier.substr(coupure);
}

std::string texteFormatDe(const Decimal& d, std::string_view pattern, char separateur) {
    if (pattern == "0.00E+00") return texteScientifique(d, 3, false, separateur);
    if (pattern == "0.0E+00") return texteScientifique(d, 2, false, separateur);
    if (pattern == "#.#######E+00") return texteScientifique(d, 8, true, separateur);
    if (pattern == "######0.0") return texteFixe(d, 1, separateur);
    if (pattern == "#0") return texteFixe(d, 0, separateur);
    return {};
}

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// Reads sign, digits, separator, digits and exponent from `pos`; returns the
// normalised text (point as separator) and moves `pos` past what was read.
// Empty when no digit was found.
std::string lireForme(std::string_view t, std::size_t& pos, bool virguleAdmise) {
    std::string forme;
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') forme += '-';
        ++i;
    }
    bool auMoinsUnChiffre = false;
    while (i < t.size() && chiffre(t[i])) {
        forme += t[i++];
        auMoinsUnChiffre = true;
    }
    if (i < t.size() && (t[i] == '.' || (virguleAdmise && t[i] == ','))) {
        forme += '.';
        ++i;
        while (i < t.size() && chiffre(t[i])) {
            forme += t[i++];
            auMoinsUnChiffre = true;
        }
    }
    if (!auMoinsUnChiffre) return {};
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exposant = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exposant += t[j++];
        if (j < t.size() && chiffre(t[j])) {
            while (j < t.size() && chiffre(t[j]))
                exposant += t[j++];
            forme += exposant;
            i = j;
        }
    }
    pos = i;
    return forme;
}

struct Conversion {
    const char* fin;
    std::errc erreur;
};

#if defined(__cpp_lib_to_chars)
Conversion lireDouble(std::string_view f, double& v) {
    const auto [fin, erreur] = std::from_chars(f.data(), f.data() + f.size(), v);
    return {fin, erreur};
}
#else
// Without a floating-point from_chars (libc++ before 17, as in emscripten),
// strtod reads the same forms; the point becomes the locale's separator
// first, so that the reading never depends on the locale.
Conversion lireDouble(std::string_view f, double& v) {
    std::string texte(f);
    const char separateur = *std::localeconv()->decimal_point;
    for (char& c : texte)
        if (c == '.') c = separateur;
    char* fin = nullptr;
    errno = 0;
    v = std::strtod(texte.c_str(), &fin);
    // Like from_chars: only a result of zero or infinity is out of range.
    const bool horsLimites = errno == ERANGE && (v == 0.0 || std::isinf(v));
    return {f.data() + (fin - texte.c_str()), horsLimites ? std::errc::result_out_of_range : std::errc()};
}
#endif

std::optional<double> convertir(const std::string& forme) {
    std::string_view f = forme;
    if (!f.empty() && f[0] == '-') f.remove_prefix(1);
    double v = 0;
    const auto [fin, erreur] = lireDouble(f, v);
    if (fin != f.data() + f.size()) return std::nullopt;
    if (erreur == std::errc::result_out_of_range) {
        // Too small a number is zero; only too large a one fails.
        if (forme.find("e-") == std::string::npos) return std::nullopt;
        v = 0.0;
    } else if (erreur != std::errc()) {
        return std::nullopt;
    }
    return forme[0] == '-' ? -v : v;
}

} // namespace

std::string texteGeneral(double v, char separateur) {
    return texteGeneralDe(v, 15, 15, separateur);
}

std::string texteGeneralSimple(float v, char separateur) {
    return texteGeneralDe(v, 7, 7, separateur);
}

std::string texteFormat(double v, std::string_view pattern, char separateur) {
    if (!std::isfinite(v)) return texteGeneral(v, separateur);
    return texteFormatDe(decimal(v, 15), pattern, separateur);
}

std::string texteFormatSimple(float v, std::string_view pattern, char separateur) {
    if (!std::isfinite(v)) return texteGeneral(v, separateur);
    return texteFormatDe(decimal(v, 7), pattern, separateur);
}

namespace {

// A pattern-formatted text read back as a single.
std::optional<float> simpleLu(const std::string& texte) {
    const auto lu = lireNombre(texte);
    if (!lu) return std::nullopt;
    return versSimple(*lu);
}

std::optional<std::string> texteSimple(std::optional<float> f) {
    if (!f) return std::nullopt;
    return texteGeneralSimple(*f);
}

} // namespace

std::optional<float> valeurTroisChiffres(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return simpleLu(texteFormat(v, "0.00E+00"));
}

std::optional<std::string> texteTroisChiffres(double v) {
    return texteSimple(valeurTroisChiffres(v));
}

std::optional<std::string> texteTroisChiffresSimple(float v) {
    if (!std::isfinite(v)) return std::nullopt;
    return texteSimple(simpleLu(texteFormatSimple(v, "0.00E+00")));
}

std::optional<double> lireNombre(std::string_view texte) {
    std::size_t debut = 0;
    while (debut < texte.size() && blanc(texte[debut]))
        ++debut;
    std::size_t fin = texte.size();
    while (fin > debut && blanc(texte[fin - 1]))
        --fin;
    const auto t = texte.substr(debut, fin - debut);
    std::size_t pos = 0;
    const auto forme = lireForme(t, pos, true);
    if (forme.empty() || pos != t.size()) return std::nullopt;
    return convertir(forme);
}

double valeurEnTete(std::string_view texte) {
    std::size_t pos = 0;
    while (pos < texte.size() && blanc(texte[pos]))
        ++pos;
    const auto forme = lireForme(texte, pos, false);
    if (forme.empty()) return 0.0;
    if (const auto v = convertir(forme)) return *v;
    return forme[0] == '-' ? -HUGE_VAL : HUGE_VAL; // out of range: callers' checked conversions refuse it
}

} // namespace vedo
