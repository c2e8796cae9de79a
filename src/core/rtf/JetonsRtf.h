#pragma once
// Cuts RTF bytes into tokens. Every number read is bounded, and \bin data is
// skipped here so that binary bytes can never be taken for braces or words.

#include <string>
#include <string_view>

namespace vedo {

struct JetonRtf {
    enum class Sorte {
        Fin,         // no more bytes
        OuvreGroupe, // {
        FermeGroupe, // }
        MotControle, // \word or \wordN; also a control symbol such as \~ (mot = "~")
        OctetHexa,   // \'hh: one byte of the code page in `parametre`
        Texte,       // a run of plain bytes, line ends removed
        Binaire,     // the bytes announced by \binN, already skipped
    };
    JetonRtf() = default;
    JetonRtf(Sorte s) : sorte(s) {}

    Sorte sorte = Sorte::Fin;
    std::string mot;
    bool aParametre = false;
    int parametre = 0;
    std::string texte;
};

class JetonsRtf {
public:
    // Numbers beyond this are clamped; no RTF quantity needs more.
    static constexpr int parametreMax = 1'000'000'000;
    // Longer control words do not exist; the rest of the letters is dropped.
    static constexpr int longueurMotMax = 32;

    explicit JetonsRtf(std::string_view rtf) : rtf_(rtf) {}

    JetonRtf suivant();
    // True when a \bin, a \'hh or a word was cut short by the end of the data.
    bool tronque() const { return tronque_; }

private:
    JetonRtf lireControle();
    JetonRtf lireTexte();
    int lireParametre(bool& present);

    std::string_view rtf_;
    std::size_t pos_ = 0;
    bool tronque_ = false;
};

} // namespace vedo
