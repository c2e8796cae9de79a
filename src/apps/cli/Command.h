#pragma once
// Each sub-command of vedoriruvirivi-cli registers itself from its own file.

#include <QStringList>

#include <functional>
#include <map>
#include <optional>

namespace vedo::cli {

// Runs with the arguments after the command's name; returns the exit status.
using Commande = std::function<int(const QStringList& arguments)>;

struct DescriptionCommande {
    Commande executer;
    QString usage;
};

inline std::map<QString, DescriptionCommande>& commandes() {
    static std::map<QString, DescriptionCommande> table;
    return table;
}

struct InscriptionCommande {
    InscriptionCommande(const QString& nom, const QString& usage, Commande c) {
        commandes()[nom] = {std::move(c), usage};
    }
};

// A French message on stderr and the status of every error: 2.
int erreur(const QString& message);

// Runs the command that the first argument names with the arguments after
// it; no status when this program has no such command.
std::optional<int> executerCommande(QStringList arguments);

// The usage of every command, after "Commande inconnue" when one was named.
int erreurUsage(const QStringList& arguments);

} // namespace vedo::cli
