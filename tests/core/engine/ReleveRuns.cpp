// Prints the table of values and the final amounts of runs over many
// conditions, in the number texts the program shows. Built natively and to
// WebAssembly, its two outputs must be the same text.

#include "RecordingSink.h"
#include "common/NumberText.h"
#include "engine/AmountRules.h"
#include "engine/Durations.h"
#include "engine/RunLoop.h"

#include <array>
#include <cstdio>
#include <string>

using namespace vedo;

namespace {

std::string cellule(double v) {
    return texteTroisChiffres(v).value_or("-");
}

void releve(const Conditions& c, int position, const std::array<const char*, 4>& saisies) {
    Quantites n{};
    for (std::size_t i = 0; i < 4; ++i)
        n[i] = *quantiteSaisie(saisies[i]);
    ParametresRun p;
    p.duree = dureePosition(position);
    p.dureeTableau = p.duree;
    p.conditions = c;
    p.remplirTableau = true;
    p.ymax = 2.0f;
    RecordingSink sink;
    ConstantesVitesse k;
    speed(n, p, sink, k);
    std::printf("réaction %d classe %d %s °C catalyseur %d distillation %d de %d, %s, %s %s %s %s ; %zu points\n",
                c.reaction, c.classeAlcool, texteGeneral(c.temperature / 10.0).c_str(), c.catalyseur, c.distillation,
                c.especeVolatile, legendeDuree(p.duree).c_str(), saisies[0], saisies[1], saisies[2], saisies[3],
                sink.temps.size());
    for (const auto& l : sink.lignes) {
        if (l.ligne % 10 != 0) continue;
        std::printf("  %2d %s s : %s %s %s %s\n", l.ligne, texteFormat(l.t, "######0.0").c_str(),
                    cellule(l.n[0]).c_str(), cellule(l.n[1]).c_str(), cellule(l.n[2]).c_str(),
                    cellule(l.n[3]).c_str());
    }
    std::printf("  fin : %s %s %s %s mol\n", texteGeneralSimple(float(n[0])).c_str(),
                texteGeneralSimple(float(n[1])).c_str(), texteGeneralSimple(float(n[2])).c_str(),
                texteGeneralSimple(float(n[3])).c_str());
}

} // namespace

int main() {
    const std::array<std::array<const char*, 4>, 2> departs = {{{"1", "1", "0", "0"}, {"0,5", "2,25", "0,1", "0"}}};
    for (std::int16_t reaction = 0; reaction < 4; ++reaction)
        for (std::int16_t classe = 0; classe < 3; ++classe)
            for (const std::int16_t temperature : {0, 205, 1000})
                for (std::int16_t catalyseur = 0; catalyseur < 2; ++catalyseur)
                    for (const std::int16_t espece : {-1, 0, 3})
                        for (const int position : {16, 11, 1})
                            for (const auto& depart : departs) {
                                Conditions c;
                                c.reaction = reaction;
                                c.classeAlcool = classe;
                                c.temperature = temperature;
                                c.catalyseur = catalyseur;
                                c.distillation = espece >= 0 ? 1 : 0;
                                c.especeVolatile = espece;
                                releve(c, position, depart);
                            }
    return 0;
}
