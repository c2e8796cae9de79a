#include "evaluator/Ruban.h"

#include <algorithm>

namespace vedo {

Ruban::Ruban(std::string_view texte) : apres_(texte.rbegin(), texte.rend()) {}

bool Ruban::commencePar(std::string_view motif) const {
    if (motif.size() > apres_.size()) return false;
    for (std::size_t k = 0; k < motif.size(); ++k)
        if ((*this)[k] != motif[k]) return false;
    return true;
}

void Ruban::avancer(std::size_t n) {
    for (; n > 0 && !apres_.empty(); --n) {
        avant_.push_back(apres_.back());
        apres_.pop_back();
    }
}

void Ruban::reculer(std::size_t n) {
    for (; n > 0 && !avant_.empty(); --n) {
        apres_.push_back(avant_.back());
        avant_.pop_back();
    }
}

void Ruban::remplacer(std::size_t n, std::string_view par) {
    apres_.resize(apres_.size() - std::min(n, apres_.size()));
    apres_.append(par.rbegin(), par.rend());
}

void Ruban::retirer(std::size_t k) {
    if (k < apres_.size()) apres_.erase(apres_.size() - 1 - k, 1);
}

void Ruban::retirerAvant(std::size_t n) {
    avant_.resize(avant_.size() - std::min(n, avant_.size()));
}

std::string Ruban::texte() const {
    return avant_ + std::string(apres_.rbegin(), apres_.rend());
}

} // namespace vedo
