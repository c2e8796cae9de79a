#pragma once
// The name typed in the save dialog turned into the path of the file
// written. Both '\' and '/' separate directories in a typed name.

#include <QString>

namespace vedo {

inline const QString extensionConfiguration = QStringLiteral(".C15");

// Blanks trimmed and the file name (never a directory of the path) cut at
// its first full stop: a typed extension is dropped and ".C15" alone leaves
// nothing.
QString nettoyerNom(const QString& texte);

// What follows the last separator.
QString partieFichier(const QString& nom);

// The file a cleaned name designates: a name without a directory of its own
// goes into `repertoire`, a relative path is taken from there; ".C15" is
// appended. Native separators.
QString cheminEnregistrement(const QString& nom, const QString& repertoire);

// The file a save to `chemin` replaces: `chemin` itself, or else a file or
// folder of its directory whose name differs from it only by letter case
// ("autre.c15" for "AUTRE.C15"), as a file system that ignores case would
// take it; `chemin` when there is neither.
QString fichierRemplace(const QString& chemin);

} // namespace vedo
