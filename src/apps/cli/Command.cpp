#include "cli/Command.h"

#include <cstdio>

namespace vedo::cli {

int erreur(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 2;
}

std::optional<int> executerCommande(QStringList arguments) {
    if (arguments.isEmpty()) return std::nullopt;
    const auto commande = commandes().find(arguments.first());
    if (commande == commandes().end()) return std::nullopt;
    arguments.removeFirst();
    return commande->second.executer(arguments);
}

int erreurUsage(const QStringList& arguments) {
    QString usage = "Usage : vedoriruvirivi-cli COMMANDE [OPTIONS]\nCommandes :";
    for (const auto& [nom, description] : commandes())
        usage += "\n  " + description.usage;
    return erreur(arguments.isEmpty() ? usage : "Commande inconnue : " + arguments.first() + "\n" + usage);
}

} // namespace vedo::cli
