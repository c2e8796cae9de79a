#pragma once
// A text rewritten while a cursor walks over it from left to right. Edits
// happen at the cursor, as in the evaluator's "at position i, replace..."
// rules, and cost only the characters they touch, so a walk over a long
// entry stays linear.

#include <cstddef>
#include <string>
#include <string_view>

namespace vedo {

class Ruban {
public:
    explicit Ruban(std::string_view texte);

    // The character k places after the cursor, '\0' beyond the end.
    char operator[](std::size_t k) const { return k < apres_.size() ? apres_[apres_.size() - 1 - k] : '\0'; }
    bool commencePar(std::string_view motif) const;
    // The character just before the cursor, '\0' at the start.
    char precedent() const { return avant_.empty() ? '\0' : avant_.back(); }
    const std::string& avant() const { return avant_; }

    std::size_t position() const { return avant_.size(); }
    std::size_t longueur() const { return avant_.size() + apres_.size(); }
    bool auBout() const { return apres_.empty(); }
    void avancer(std::size_t n = 1);
    void reculer(std::size_t n);

    // Replaces the n characters after the cursor; the cursor stays before
    // the new text.
    void remplacer(std::size_t n, std::string_view par);
    // Removes the character k places after the cursor.
    void retirer(std::size_t k);
    // Removes the last n characters before the cursor.
    void retirerAvant(std::size_t n);

    std::string texte() const;

private:
    std::string avant_;
    std::string apres_; // reversed, so that the cursor's end is the back
};

} // namespace vedo
