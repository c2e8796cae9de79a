#include "presentation/MenuCopie.h"

namespace vedo {

ElementsMenu menucop(const CopiesPossibles& possibles) {
    return {
        elementMenu("Copier l'animation", cop001, possibles.animation),
        elementMenu("Copier le graphe", Cop002, possibles.graphe),
        sousMenu("Copier le tableau",
                 {elementMenu("Copier le contenu du tableau", cop0031),
                  elementMenu("Copier une image du tableau", cop0032)},
                 possibles.tableau),
        ElementMenu{},
        elementMenu("Enregistrer le graphe…", copEnregistrerGraphe, possibles.dessinGraphe),
        elementMenu("Enregistrer le tableau…", copEnregistrerTableau, possibles.tableauCsv),
    };
}

} // namespace vedo
