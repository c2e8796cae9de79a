#include "EssaiCoeur.h"

#include "drawing/SurfaceEnregistree.h"
#include "view/Apparatus.h"
#include "view/Glassware.h"
#include "view/TransparentImage.h"

#include <algorithm>
#include <string>

using namespace vedo;

namespace {

// The images drawn on it, with where they went.
class SurfaceImages : public SurfaceEnregistree {
public:
    void image(Pixel position, const Image& image) override {
        SurfaceEnregistree::image(position, image);
        images.push_back(image);
    }
    std::vector<Image> images;
};

// The calls starting with `debut` made on the picture itself, not on a
// layer of its own.
std::vector<std::string> appelsDe(const std::vector<std::string>& appels, const std::string& debut) {
    std::vector<std::string> choisis;
    bool calque = false;
    for (const std::string& a : appels) {
        if (a.rfind("calque ", 0) == 0) calque = true;
        if (!calque && a.rfind(debut, 0) == 0) choisis.push_back(a);
        if (a == "fin calque") calque = false;
    }
    return choisis;
}

bool finitPar(const std::string& texte, const std::string& fin) {
    return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

} // namespace

ESSAI(montageSelonLesConditions) {
    struct Ligne {
        const char* nom;
        int temperature;
        bool distillation;
        int cx, cy, rayon;
        bool chauffage, bainDeGlace;
        Verrerie verrerie;
        std::string description;
    };
    const std::string reflux = "chauffage à reflux : ballon chauffé sous un réfrigérant à boules";
    const std::string colonne = "distillation : ballon chauffé, colonne avec thermomètre, réfrigérant et bécher";
    essai::lignes<Ligne>(
        {{"0 °C: big flask in ice", 0, false, 260, 150, 55, false, true, Verrerie::aucune,
          "ballon dans un bain de glace"},
         {"19,9 °C: big flask in ice", 199, false, 260, 150, 55, false, true, Verrerie::aucune,
          "ballon dans un bain de glace"},
         {"20,0 °C: big flask alone", 200, false, 260, 150, 55, false, false, Verrerie::aucune,
          "ballon sans chauffage"},
         {"24,9 °C: big flask alone", 249, false, 260, 150, 55, false, false, Verrerie::aucune,
          "ballon sans chauffage"},
         {"25,0 °C: reflux", 250, false, 253, 190, 30, true, false, Verrerie::refrigerantABoules, reflux},
         {"100 °C: reflux", 1000, false, 253, 190, 30, true, false, Verrerie::refrigerantABoules, reflux},
         {"distillation at 20 °C", 200, true, 210, 190, 30, true, false, Verrerie::distillation, colonne},
         {"distillation asked at 0 °C never in ice", 0, true, 210, 190, 30, true, false, Verrerie::distillation,
          colonne}},
        [](const Ligne& l) {
            const Montage m = choisirMontage(l.temperature, l.distillation);
            COMPARE(m.cx, l.cx);
            COMPARE(m.cy, l.cy);
            COMPARE(m.rayon, l.rayon);
            COMPARE(m.chauffage, l.chauffage);
            COMPARE(m.bainDeGlace, l.bainDeGlace);
            COMPARE(m.verrerie, l.verrerie);
            COMPARE(decrireMontage(m), l.description);
        });
}

ESSAI(glaconsALaSurfaceDuBain) {
    struct Ligne {
        const char* nom;
        unsigned graine;
    };
    essai::lignes<Ligne>(
        {{"seed 0", 0u}, {"seconds at noon", 43200u}, {"last second of the day", 86399u}}, [](const Ligne& l) {
            std::mt19937 alea(l.graine);
            const auto glacons = tirerGlacons(alea, choisirMontage(199, false));
            COMPARE(int(glacons.size()), nombreGlacons);
            bool petit = false, gros = false;
            int xMin = 1000, xMax = 0, yMin = 1000, yMax = 0;
            for (const Glacon& g : glacons) {
                xMin = std::min(xMin, g.x), xMax = std::max(xMax, g.x);
                yMin = std::min(yMin, g.y), yMax = std::max(yMax, g.y);
                VERIFIE(g.x >= 183 && g.x <= 337);       // cx ± 1.4 R
                VERIFIE(g.y >= 139 && g.y <= 156);       // cy - 0.2 R .. cy + 0.1 R
                VERIFIE(g.rayon >= 3 && g.rayon <= 5);   // R (r3 / 20 + 0.05) stays under 5.5
                petit = petit || g.rayon == 3;
                gros = gros || g.rayon >= 5;
            }
            VERIFIE(petit && gros);
            VERIFIE(xMin <= 185 && xMax >= 335 && yMin <= 140 && yMax >= 155); // the whole band is used
            std::mt19937 autre(l.graine + 1);
            const auto autres = tirerGlacons(autre, choisirMontage(199, false));
            VERIFIE(autres[0].x != glacons[0].x || autres[0].y != glacons[0].y);
        });
}

// What the picture is made of, in the order drawn: the glassware laid over
// the flask at its joint, the ice last, one smooth ellipse per piece.
ESSAI(compositionDuMontage) {
    struct Ligne {
        const char* nom;
        int temperature;
        bool distillation;
        std::vector<std::string> images;
        std::size_t glacons;
        bool plaque;
    };
    essai::lignes<Ligne>(
        {{"ice bath", 199, false, {}, 200, false},
         {"flask alone", 200, false, {}, 0, false},
         {"reflux", 250, false, {"image 239,14 120x148"}, 0, true},
         {"distillation", 200, true, {"image 198,10 191x148"}, 0, true}},
        [](const Ligne& l) {
            SurfaceEnregistree s;
            std::mt19937 alea(4);
            fondi(s, largeurAnimation, hauteurAnimation, l.temperature, l.distillation, alea);
            const auto& appels = s.appels();
            COMPARE(appels.front(), std::string("remplir #ffffff"));
            COMPARE(appelsDe(appels, "image "), l.images);
            const auto glaces = appelsDe(appels, "ellipse ");
            // Two outlines of the flask, and the ice.
            COMPARE(glaces.size(), l.glacons + 2);
            if (l.glacons) {
                VERIFIE(finitPar(glaces.back(), " #c0c0c0 1 carre biseau | #fafafa"), glaces.back());
                COMPARE(appels.back(), glaces.back());
            }
            COMPARE(appelsDe(appels, "rectangle 211,187 295,226 #c8b4a0 1 plein").size() +
                        appelsDe(appels, "rectangle 168,187 252,226 #c8b4a0 1 plein").size(),
                    std::size_t(l.plaque));
            COMPARE(appelsDe(appels, "texte 18,").size(), std::size_t(1));
        });
}

ESSAI(rienSurUneImageSansPixel) {
    struct Ligne {
        const char* nom;
        int largeur, hauteur;
        bool distillation;
    };
    essai::lignes<Ligne>({{"no picture", 0, 0, false},
                          {"no width", 0, 235, false},
                          {"no height, distilling", 361, 0, true}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             std::mt19937 alea(3);
                             const std::mt19937 temoin = alea;
                             const ConsigneFondi c = fondi(s, l.largeur, l.hauteur, 100, l.distillation, alea);
                             COMPARE(s.appels().size(), std::size_t(0));
                             VERIFIE(alea == temoin);
                             COMPARE(c.temperatureImposee.value_or(-1), l.distillation ? 1000 : -1);
                         });
}

// The glassware is drawn smooth on a layer of its own, then cut at half
// cover.
ESSAI(verrerieSurUnCalque) {
    struct Ligne {
        const char* nom;
        const Image& (*verrerie)(Surface&);
        int largeur;
    };
    essai::lignes<Ligne>({{"reflux condenser", imageRefrigerantABoules, 120},
                          {"distillation set-up", imageDistillation, 191}},
                         [](const Ligne& l) {
                             SurfaceEnregistree s;
                             const Image& image = l.verrerie(s);
                             COMPARE(image.largeur, l.largeur);
                             COMPARE(image.hauteur, 148);
                             // Nothing covered on a recording: all transparent.
                             VERIFIE(std::all_of(image.pixels.begin(), image.pixels.end(),
                                                 [](std::uint32_t p) { return p == magentaTransparent; }));
                             COMPARE(&l.verrerie(s), &image); // drawn once
                         });
}

ESSAI(aplatirAMiCouverture) {
    struct Ligne {
        const char* nom;
        std::uint32_t calque, attendu;
    };
    essai::lignes<Ligne>({{"opaque stays", 0xFF102030u, 0xFF102030u},
                          {"half covered becomes opaque", 0x80102030u, 0xFF102030u},
                          {"just under half becomes transparent", 0x7F102030u, magentaTransparent},
                          {"empty becomes transparent", 0x00000000u, magentaTransparent}},
                         [](const Ligne& l) {
                             const Image plat = aplatir(Image(2, 1, l.calque));
                             COMPARE(plat.pixels, (std::vector<std::uint32_t>{l.attendu, l.attendu}));
                         });
}

ESSAI(imageTransparente) {
    struct Ligne {
        const char* nom;
        std::uint32_t transparente;
        std::vector<std::uint32_t> attendus;
    };
    essai::lignes<Ligne>({{"magenta lets the background through", magentaTransparent,
                           {0xFF0A141Eu, 0x00000000u, 0xFFFF0000u}},
                          {"another key keeps magenta", 0xFFFF0000u, {0xFF0A141Eu, 0xFFFF00FFu, 0x00000000u}},
                          {"the key's own opacity does not count", 0x00FF00FFu,
                           {0xFF0A141Eu, 0x00000000u, 0xFFFF0000u}}},
                         [](const Ligne& l) {
                             Image source(3, 1);
                             source.pixels = {0xFF0A141Eu, magentaTransparent, 0xFFFF0000u};
                             SurfaceImages s;
                             dessinerImageTransparente(s, {1, 2}, source, l.transparente);
                             COMPARE(s.appels(), std::vector<std::string>{"image 1,2 3x1"});
                             COMPARE(s.images.at(0).pixels, l.attendus);
                         });
}
