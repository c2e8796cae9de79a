// vedoriruvirivi-cli icon --size N -o FILE.png: the program's icon, for the
// desktop integration that the build installs.

#include "cli/Command.h"
#include "mainwindow/IconeProgramme.h"

namespace vedo::cli {

namespace {

int commandeIcone(const QStringList& arguments) {
    const auto iTaille = arguments.indexOf("--size");
    const auto iSortie = arguments.indexOf("-o");
    bool lu = false;
    const int taille = iTaille >= 0 && iTaille + 1 < arguments.size() ? arguments[iTaille + 1].toInt(&lu) : 0;
    if (!lu || taille < 8 || taille > 1024) return erreur("Option --size : une taille de 8 à 1024 pixels");
    if (iSortie < 0 || iSortie + 1 >= arguments.size())
        return erreur(QStringLiteral("Il faut donner le fichier PNG à écrire : -o FICHIER.png"));
    if (!imageIconeProgramme(taille).save(arguments[iSortie + 1], "PNG"))
        return erreur("Écriture impossible : " + arguments[iSortie + 1]);
    return 0;
}

const InscriptionCommande inscription("icon", "icon --size N -o FICHIER.png", commandeIcone);

} // namespace

} // namespace vedo::cli
