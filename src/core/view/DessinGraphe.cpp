#include "view/DessinGraphe.h"

namespace vedo {

namespace {

constexpr Couleur rougeTangente{255, 0, 0};

Pixel moins(Pixel a, Pixel b) {
    return {a.x - b.x, a.y - b.y};
}

long produitScalaire(Pixel a, Pixel b) {
    return static_cast<long>(a.x) * b.x + static_cast<long>(a.y) * b.y;
}

bool alignes(Pixel a, Pixel b) {
    return static_cast<long>(a.x) * b.y == static_cast<long>(a.y) * b.x;
}

// Whether `p` lies on the segment from `a` to `b`.
bool surSegment(Pixel p, Pixel a, Pixel b) {
    const Pixel ab = moins(b, a);
    const Pixel ap = moins(p, a);
    return alignes(ab, ap) && produitScalaire(ap, ab) >= 0 && produitScalaire(ap, ab) <= produitScalaire(ab, ab);
}

} // namespace

bool DessinGraphe::dessinerCadre(Surface& surface, int largeur, int hauteur, const CadreGraphe& cadre) {
    cadre_ = cadre;
    largeur_ = largeur;
    hauteur_ = hauteur;
    traces_.clear();
    segments_.clear();
    courbes_.fill(-1);
    return vedo::dessinerCadre(surface, cadre);
}

void DessinGraphe::prolonger(int espece, const Plume& plume, Pixel de, Pixel a) {
    int& courbe = courbes_.at(static_cast<std::size_t>(espece));
    if (courbe >= 0) {
        Trace& t = traces_[static_cast<std::size_t>(courbe)];
        if (t.plume == plume && t.position == de) {
            const std::vector<Pixel>& p = t.points;
            if (!surSegment(a, p[p.size() - 2], p.back())) {
                // Back along the last segment to where the curve stands, then on.
                if (p.back() != de) ajouter(t, de);
                ajouter(t, a);
            }
            t.position = a;
            segments_.push_back({de, a, static_cast<std::size_t>(courbe)});
            return;
        }
    }
    courbe = static_cast<int>(traces_.size());
    trait(plume, de, a);
}

void DessinGraphe::trait(const Plume& plume, Pixel de, Pixel a) {
    if (de == a) return; // the screen draws nothing either
    segments_.push_back({de, a, traces_.size()});
    traces_.push_back({plume, {de, a}, a});
}

void DessinGraphe::ajouter(Trace& trace, Pixel a) {
    std::vector<Pixel>& p = trace.points;
    const Pixel avant = moins(p.back(), p[p.size() - 2]);
    const Pixel apres = moins(a, p.back());
    // Going on straight ahead only moves the end of the last segment.
    if (alignes(avant, apres) && produitScalaire(avant, apres) > 0)
        p.back() = a;
    else
        p.push_back(a);
}

void DessinGraphe::dessiner(Surface& surface) const {
    if (!cadre_) {
        surface.remplir(blanc);
        return;
    }
    vedo::dessinerCadre(surface, *cadre_);
    surface.ouvrirGroupe();
    for (const Trace& t : traces_) {
        Plume plume = t.plume;
        plume.angle = Plume::Angle::rond;
        surface.polyligne(t.points, plume);
    }
    for (const std::size_t i : pardessus(surface)) {
        const Segment& s = segments_[i];
        surface.trait(s.de, s.a, traces_[s.trace].plume);
    }
    surface.fermerGroupe();
}

namespace {

// The number of the line a pixel shows, drawn in the colour of its number; 0 for none.
std::size_t numero(const Surface& image, int x, int y) {
    const Couleur c = image.pixel({x, y}).value_or(noir);
    return static_cast<std::size_t>(c.r) << 16 | static_cast<std::size_t>(c.g) << 8 | c.b;
}

Plume plumeNumero(Plume plume, std::size_t n) {
    plume.couleur = {static_cast<std::uint8_t>(n >> 16 & 0xFF), static_cast<std::uint8_t>(n >> 8 & 0xFF),
                     static_cast<std::uint8_t>(n & 0xFF)};
    return plume;
}

} // namespace

// The segments to draw again over the curves, in their order: each that the
// screen shows on a pixel where a curve drawn after its own lies, then each
// that the screen shows where one of those passes. Found by drawing, as the
// screen does, each segment and each curve in a colour of its own.
std::vector<std::size_t> DessinGraphe::pardessus(const Surface& surface) const {
    const auto dernier = surface.brouillon(largeur_, hauteur_);
    const auto dessus = surface.brouillon(largeur_, hauteur_);
    if (!dernier || !dessus) return {};
    for (std::size_t i = 0; i < segments_.size(); ++i)
        dernier->trait(segments_[i].de, segments_[i].a, plumeNumero(traces_[segments_[i].trace].plume, i + 1));
    for (std::size_t t = 0; t < traces_.size(); ++t) {
        Plume plume = plumeNumero(traces_[t].plume, t + 1);
        plume.angle = Plume::Angle::rond;
        dessus->polyligne(traces_[t].points, plume);
    }
    std::vector<bool> garde(segments_.size() + 1, false);
    bool ajoute = false;
    for (int y = 0; y < hauteur_; ++y)
        for (int x = 0; x < largeur_; ++x)
            if (const std::size_t s = numero(*dernier, x, y); s && segments_[s - 1].trace + 1 != numero(*dessus, x, y))
                ajoute = garde[s] = true;
    while (ajoute) {
        ajoute = false;
        const auto gardes = surface.brouillon(largeur_, hauteur_);
        for (std::size_t s = 1; s < garde.size(); ++s)
            if (garde[s])
                gardes->trait(segments_[s - 1].de, segments_[s - 1].a,
                              plumeNumero(traces_[segments_[s - 1].trace].plume, 1));
        for (int y = 0; y < hauteur_; ++y)
            for (int x = 0; x < largeur_; ++x)
                if (const std::size_t s = numero(*dernier, x, y); s && numero(*gardes, x, y) && !garde[s])
                    ajoute = garde[s] = true;
    }
    std::vector<std::size_t> segments;
    for (std::size_t s = 1; s < garde.size(); ++s)
        if (garde[s]) segments.push_back(s - 1);
    return segments;
}

void dessinerTangentes(Toile& toile, const Tangentes& tangentes, DessinGraphe& dessin) {
    Plume plume;
    plume.couleur = rougeTangente;
    plume.largeur = toile.epaisseur();
    plume.bout = Plume::Bout::plat;
    for (const auto& segment : tangentes.segments) {
        if (!segment) continue;
        const Point de{static_cast<double>(segment->x1), static_cast<double>(segment->y1)};
        const Point a{static_cast<double>(segment->x2), static_cast<double>(segment->y2)};
        toile.ligne(de, a, rougeTangente);
        dessin.trait(plume, toile.versImage(de), toile.versImage(a));
    }
}

} // namespace vedo
