#include "view/LectureCurseur.h"

#include "common/NumberText.h"
#include "common/Rounding.h"

#include <cmath>

namespace vedo {

bool dansZoneTrace(double x, double y, int k) {
    return x >= 50.0 && x <= 50.0 + 300.0 * k && y >= 10.0 && y <= 10.0 + 200.0 * k;
}

std::optional<LectureCurseur> lireCurseur(float x, float y, int k, std::int32_t duree, float ymax) {
    if (!dansZoneTrace(x, y, k)) return std::nullopt;
    LectureCurseur l;
    l.t = (static_cast<double>(x) - 50.0) * duree / (300.0 * k);
    l.tempsCurseur = versEntier32(l.t).value_or(0);
    const float hauteur = 200.0f * static_cast<float>(k);
    l.n = (hauteur - (y - 10.0f)) * ymax / hauteur;
    l.texte = texteLecture(l.t, l.n);
    return l;
}

std::string texteLecture(double t, float n) {
    std::string texte = "t = ";
    if (t >= 3600.0) {
        const double heures = std::floor(t / 3600.0);
        texte += texteGeneral(heures) + " h ";
        t -= 3600.0 * heures;
    }
    if (t >= 60.0) {
        const double minutes = std::floor(t / 60.0);
        texte += texteGeneral(minutes) + " min ";
        t -= 60.0 * minutes;
    }
    texte += texteFormat(t, "#0") + " s ; n = " + texteGeneralSimple(n) + " mol";
    return texte;
}

} // namespace vedo
