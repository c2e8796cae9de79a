#include "cli/RunOptions.h"

#include "persistence/ConfigurationFile.h"

#include <QRegularExpression>

namespace vedo::cli {

namespace {

std::optional<int> entier(const QString& texte, int minimum, int maximum) {
    bool ok = false;
    const int v = texte.trimmed().toInt(&ok);
    if (!ok || v < minimum || v > maximum) return std::nullopt;
    return v;
}

} // namespace

QString usageOptionsRun() {
    return QStringLiteral("[--config FICHIER.C15] [--reaction 0-3] [--class 0-2] [--amounts \"0,1;0,1;0;0\"] "
                          "[--temperature 0-1000] [--catalyst 0|1] [--distil 0|1] [--volatile -1-3] "
                          "[--duration-position 1-16] [--rows-position 10-100] [--curves 1111]");
}

std::optional<OptionsRun> lireOptionsRun(const QStringList& arguments, QString& erreur) {
    OptionsRun r;
    Configuration& c = r.reglages;
    // The file first, so that the options given beside it override it.
    const auto iConfig = arguments.indexOf("--config");
    if (iConfig >= 0) {
        if (iConfig + 1 >= arguments.size()) {
            erreur = QStringLiteral("Option --config : nom de fichier manquant");
            return std::nullopt;
        }
        const auto lecture = lireConfiguration(arguments[iConfig + 1]);
        if (lecture.erreur != ErreurConfiguration::aucune) {
            erreur = QString::fromStdString(titreErreurConfiguration(lecture.erreur) + ": " +
                                            messageErreurConfiguration(lecture.erreur));
            return std::nullopt;
        }
        c = lecture.configuration;
    }
    struct OptionEntiere {
        const char* nom;
        int minimum, maximum;
        std::int16_t* cible;
    };
    std::int16_t catalyseur = c.catalyseur, distiller = c.distiller;
    const OptionEntiere entieres[] = {
        {"--reaction", 0, 3, &c.reaction},
        {"--class", 0, 2, &c.classeAlcool},
        {"--temperature", 0, 1000, &c.temperature},
        {"--catalyst", 0, 1, &catalyseur},
        {"--distil", 0, 1, &distiller},
        {"--volatile", -1, 3, &c.especeVolatile},
        {"--duration-position", 1, 16, &c.positionDuree},
        {"--rows-position", 10, 100, &c.defilementLignes},
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool avecValeur = a.startsWith("--") && i + 1 < arguments.size();
        if (a == "--config" && avecValeur) {
            ++i;
            continue;
        }
        bool prise = false;
        for (const auto& o : entieres) {
            if (a != QLatin1String(o.nom)) continue;
            const auto v = avecValeur ? entier(arguments[i + 1], o.minimum, o.maximum) : std::nullopt;
            if (!v) {
                erreur = QStringLiteral("Option %1 : il faut un nombre entier de %2 à %3")
                             .arg(a)
                             .arg(o.minimum)
                             .arg(o.maximum);
                return std::nullopt;
            }
            *o.cible = static_cast<std::int16_t>(*v);
            prise = true;
            ++i;
        }
        if (prise) continue;
        if (a == "--amounts") {
            const QStringList q = avecValeur ? arguments[i + 1].split(';') : QStringList();
            if (q.size() != 4) {
                erreur = QStringLiteral("Option --amounts : il faut quatre quantités séparées par « ; »");
                return std::nullopt;
            }
            for (int k = 0; k < 4; ++k)
                c.quantites[k] = q[k].trimmed().toStdString();
            ++i;
        } else if (a == "--curves") {
            const QString v = avecValeur ? arguments[i + 1] : QString();
            if (v.size() != 4 || v.contains(QRegularExpression("[^01]"))) {
                erreur = QStringLiteral("Option --curves : il faut quatre chiffres 0 ou 1, par exemple 1111");
                return std::nullopt;
            }
            for (int k = 0; k < 4; ++k)
                c.courbes[k] = v[k] == '1';
            ++i;
        } else {
            r.restants << a;
        }
    }
    c.catalyseur = catalyseur == 1;
    c.distiller = distiller == 1;
    return r;
}

std::optional<QString> prendreOption(QStringList& restants, const QString& nom) {
    const auto i = restants.indexOf(nom);
    if (i < 0 || i + 1 >= restants.size()) return std::nullopt;
    const QString valeur = restants[i + 1];
    restants.remove(i, 2);
    return valeur;
}

} // namespace vedo::cli
