#pragma once
// Comparing a picture with the one expected: a reference approved once and
// kept in the test data folder, or one the test draws itself.
//
// Drawing without smoothing (positions, lines, fills, the gradients' rows) is
// the same on every processor and is compared exactly. Smoothed drawing is
// not: edges, glyphs and blends are computed by whichever vector unit the
// processor offers, and the last bit of the mathematics may move, so a pixel
// where colours meet may come out a level or two apart. A tolerance admits
// that, and only that: on a bounded number of pixels, each at a colour change
// in the expected picture; a pixel inside a uniform area is still exact.

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

struct Tolerance {
    int niveaux = 0; // per channel, on a pixel where colours meet
    int pixels = 0;  // how many pixels may differ at all
};

// Drawn smooth: a level or two on a few pixels where colours meet.
constexpr Tolerance dessinLisse(int pixels) {
    return {2, pixels};
}

namespace comparaison_images {

inline int ecartCanaux(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

// Whether a neighbour of (x, y) has another colour: an edge, a glyph, a gradient.
inline bool ouLesCouleursSeRencontrent(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && image.pixel(x + dx, y + dy) != c) return true;
    return false;
}

inline QString couleur(QRgb c) {
    return QStringLiteral("#%1").arg(c, 8, 16, QLatin1Char('0'));
}

} // namespace comparaison_images

// Empty when `obtenue` is `attendue` within `tolerance`, inside `zone` (the
// whole picture when empty); otherwise how many pixels differ, by how much,
// where, and the first of those that no tolerance covers.
inline QString ecartImages(const QImage& obtenue, const QImage& attendue, Tolerance tolerance = {},
                           QRect zone = {}) {
    using namespace comparaison_images;
    if (obtenue.size() != attendue.size())
        return QStringLiteral("size %1 x %2 instead of %3 x %4")
            .arg(obtenue.width())
            .arg(obtenue.height())
            .arg(attendue.width())
            .arg(attendue.height());
    // Premultiplied, a level of a nearly transparent pixel stays a level.
    const QImage a = obtenue.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = attendue.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect cadre = zone.isEmpty() ? e.rect() : zone & e.rect();
    int differents = 0, horsTolerance = 0, ecartMax = 0;
    QRect ou;
    QStringList exemples;
    for (int y = cadre.top(); y <= cadre.bottom(); ++y)
        for (int x = cadre.left(); x <= cadre.right(); ++x) {
            const QRgb pa = a.pixel(x, y), pe = e.pixel(x, y);
            if (pa == pe) continue;
            const int ecart = ecartCanaux(pa, pe);
            ++differents;
            ecartMax = std::max(ecartMax, ecart);
            ou |= QRect(x, y, 1, 1);
            if (ecart <= tolerance.niveaux && ouLesCouleursSeRencontrent(e, x, y)) continue;
            if (++horsTolerance <= 5)
                exemples << QStringLiteral("(%1, %2) %3 instead of %4").arg(x).arg(y).arg(couleur(pa), couleur(pe));
        }
    if (horsTolerance == 0 && differents <= tolerance.pixels) return {};
    QString texte = QStringLiteral("%1 pixels differ, by up to %2 levels, within (%3, %4)-(%5, %6); %7 admitted up to "
                                   "%8 levels where colours meet")
                        .arg(differents)
                        .arg(ecartMax)
                        .arg(ou.left())
                        .arg(ou.top())
                        .arg(ou.right())
                        .arg(ou.bottom())
                        .arg(tolerance.pixels)
                        .arg(tolerance.niveaux);
    if (horsTolerance > 0)
        texte += QStringLiteral("; %1 beyond that, first %2").arg(horsTolerance).arg(exemples.join(QStringLiteral(", ")));
    return texte;
}

// The same against the reference picture `nom` of the test data folder. When
// they differ, the picture obtained is saved in the temporary directory, to
// look at and, after a deliberate change of the drawing, to copy over the
// reference.
inline QString ecartAReference(const QImage& obtenue, const QString& nom, Tolerance tolerance) {
    const QImage reference(QStringLiteral(VEDO_TEST_DATA "/") + nom);
    if (reference.isNull()) return nom + QStringLiteral(": no such reference picture");
    const QString ecart = ecartImages(obtenue, reference, tolerance);
    if (ecart.isEmpty()) return {};
    const QString copie = QDir::temp().filePath(nom);
    obtenue.save(copie);
    return QStringLiteral("%1: %2; picture obtained saved to %3").arg(nom, ecart, copie);
}
