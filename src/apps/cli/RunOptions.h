#pragma once
// The conditions of a run as the command line gives them: a configuration
// file and/or options named after the conditions, over the start-up defaults.

#include "records/Configuration.h"

#include <QStringList>

#include <optional>

namespace vedo::cli {

struct OptionsRun {
    Configuration reglages;
    QStringList restants; // arguments the condition options did not take
};

// Reads --config FILE.C15, --reaction, --class, --amounts "a;b;c;d",
// --temperature, --catalyst, --distil, --volatile, --duration-position,
// --rows-position and --curves. On an error, writes the French message to
// `erreur` and gives no result.
std::optional<OptionsRun> lireOptionsRun(const QStringList& arguments, QString& erreur);

QString usageOptionsRun();

// Takes `nom` and the value after it out of `restants`; nothing when absent
// or last.
std::optional<QString> prendreOption(QStringList& restants, const QString& nom);

} // namespace vedo::cli
