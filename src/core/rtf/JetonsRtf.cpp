#include "rtf/JetonsRtf.h"

#include <algorithm>

namespace vedo {

namespace {

bool estLettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

int valeurHexa(char c) {
    if (estChiffre(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

JetonRtf JetonsRtf::suivant() {
    while (pos_ < rtf_.size()) {
        const char c = rtf_[pos_];
        if (c == '{') {
            ++pos_;
            return {JetonRtf::Sorte::OuvreGroupe};
        }
        if (c == '}') {
            ++pos_;
            return {JetonRtf::Sorte::FermeGroupe};
        }
        if (c == '\\') return lireControle();
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        return lireTexte();
    }
    return {};
}

JetonRtf JetonsRtf::lireTexte() {
    JetonRtf j{JetonRtf::Sorte::Texte};
    while (pos_ < rtf_.size()) {
        const char c = rtf_[pos_];
        if (c == '{' || c == '}' || c == '\\') break;
        if (c != '\r' && c != '\n') j.texte += c;
        ++pos_;
    }
    return j;
}

int JetonsRtf::lireParametre(bool& present) {
    bool negatif = false;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-' && pos_ + 1 < rtf_.size() && estChiffre(rtf_[pos_ + 1])) {
        negatif = true;
        ++pos_;
    }
    present = pos_ < rtf_.size() && estChiffre(rtf_[pos_]);
    long long valeur = 0;
    while (pos_ < rtf_.size() && estChiffre(rtf_[pos_])) {
        valeur = std::min<long long>(valeur * 10 + (rtf_[pos_] - '0'), parametreMax);
        ++pos_;
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

JetonRtf JetonsRtf::lireControle() {
    ++pos_; // the backslash
    if (pos_ >= rtf_.size()) {
        tronque_ = true;
        return {};
    }
    const char c = rtf_[pos_];
    if (!estLettre(c)) {
        ++pos_;
        if (c == '\'') {
            const int fort = pos_ < rtf_.size() ? valeurHexa(rtf_[pos_]) : -1;
            const int faible = pos_ + 1 < rtf_.size() ? valeurHexa(rtf_[pos_ + 1]) : -1;
            if (pos_ == rtf_.size() || (fort >= 0 && pos_ + 1 == rtf_.size())) {
                tronque_ = true;
                pos_ = rtf_.size();
                return {};
            }
            if (fort < 0 || faible < 0) return {JetonRtf::Sorte::Texte}; // the bad digits are read as text
            pos_ += 2;
            JetonRtf j{JetonRtf::Sorte::OctetHexa};
            j.parametre = fort * 16 + faible;
            return j;
        }
        if (c == '\r' || c == '\n') {
            // An escaped line end is a paragraph mark in old writers.
            JetonRtf j{JetonRtf::Sorte::MotControle};
            j.mot = "par";
            return j;
        }
        JetonRtf j{JetonRtf::Sorte::MotControle};
        j.mot = std::string(1, c);
        return j;
    }
    JetonRtf j{JetonRtf::Sorte::MotControle};
    while (pos_ < rtf_.size() && estLettre(rtf_[pos_])) {
        if (j.mot.size() < static_cast<std::size_t>(longueurMotMax)) j.mot += rtf_[pos_];
        ++pos_;
    }
    j.parametre = lireParametre(j.aParametre);
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_; // the delimiter belongs to the word
    if (j.mot == "bin") {
        const std::size_t reste = rtf_.size() - pos_;
        const auto longueur = static_cast<std::size_t>(j.aParametre ? std::max(0, j.parametre) : 0);
        if (longueur > reste) tronque_ = true;
        pos_ += std::min(longueur, reste);
        j.sorte = JetonRtf::Sorte::Binaire;
    }
    return j;
}

} // namespace vedo
