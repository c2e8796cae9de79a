#include "output/ImpressionTexte.h"

#include "output/ChoixImprimante.h"

#include <QTextDocument>

namespace vedo {

bool imprimerTexte(const QTextDocument& texte, ChoixImprimante& choix, Prompter& prompter, QWidget* parent) {
    if (!choix.regler(prompter, parent)) return false;
    if (!choix.preparer(prompter, parent)) return false;
    texte.print(&choix.imprimante());
    return true;
}

} // namespace vedo
