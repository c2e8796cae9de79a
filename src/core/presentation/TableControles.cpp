#include "presentation/TableControles.h"

#include <algorithm>

namespace vedo {

namespace {
// Where the "Conditions" panel turns from temperature and catalyst to distillation.
constexpr int hautDistillation = 120;
} // namespace

const std::vector<FicheControle>& controlesFeuilleP() {
    static const std::vector<FicheControle> table = {
        {"feuilleP", indiceFenetre, {}, {}},
        {"Command1", "Pour retrouver le module principal et quitter cette application", {}, {}},
        {"Command2", "Pour retrouver une situation enregistrée", "Retrouver une configuration", {}},
        {"Command4", "Copier pour placer l'image dans le presse-papiers puis coller depuis Word, Paint...", {}, {}},
        {"Command6", "Effacer les courbes", {}, {}},
        {"Command7", "Si vous rencontrez une difficulté avec cette application", "Aide pour utiliser cette application",
         {}},
        {"Command8", "Machine à calculer", {}, {}},
        {"Command10", "Pour configurer l'imprimante et imprimer l'image", {}, {}},
        {"Command11", "Pour conserver la configuration en cours", "Enregistrer la configuration actuelle", {}},
        // Named after its tool tip, which says "Restaurer" while the graph is enlarged.
        {"Command12", "Agrandir le graphe", "Agrandir", "Agrandir"},
        {"Picture4", "Choisir la réaction dans la liste", {}, {}},
        {"Text1", "Saisir les quantités de matière à l'état initial", {}, {}},
        {"frame2", "Vous pouvez modifier les paramètres d'affichage.", {}, {}},
        {"Picture1", "Vous pouvez modifier les paramètres du graphe et du tableau", {}, {}},
        {"option2", "Choisir les courbes représentées", {}, {}},
        {"Label4", "Cliquer pour modifier la couleur d'affichage", {}, {}},
        {"btexo", "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer.", {},
         "Exercice"},
        {"animpic", "Utiliser l'onglet Conditions pour modifier les paramètres", {}, "Montage"},
        {"Picture2", "Vous pouvez lire les coordonnées d'un point et tracer la tangente à une courbe", {}, "Graphe"},
        {"Frame3", {}, {}, "Tableau de valeurs"},
        {"fich", {}, {}, "Titre de l'exercice"},
        {"supertext", {}, {}, "Texte de l'exercice"},
        {"rtf1", {}, {}, "Historique"},
    };
    return table;
}

const std::vector<std::string_view>& chaineTabulationFeuilleP() {
    static const std::vector<std::string_view> chaine = {
        "Command2", "Command11", "Command4", "Command10", "Command8", "Command7", "Command1",
        "MSFlexGrid1", "Command6", "Command12", "Onglets",
        "Combo1", "Combo2", "Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)",
        "HScroll1", "Check5", "Check4", "Combo3",
        "HScroll2", "Check1", "Check2", "Check3",
        "VScroll2", "Option1(0)", "Label4(1)", "option2(0)", "Label4(2)", "option2(1)", "Label4(3)", "option2(2)",
        "Label4(4)", "option2(3)", "Option1(1)", "VScroll3", "rtf1",
        "Command5", "Command3", "Command9", "btexo", "fich", "supertext",
    };
    return chaine;
}

std::optional<std::string> indiceControle(std::string_view nomControle, int y, std::string_view infoActuel,
                                          std::string_view messageCopie) {
    const std::string_view nom = nomControle.substr(0, nomControle.find('('));
    if (nom == "Picture3")
        return y < hautDistillation
                   ? "Vous pouvez augmenter ou diminuer la température du système ou ajouter un catalyseur"
                   : "Distillation";
    if (nom == "Command4" && !messageCopie.empty() && infoActuel == messageCopie) return std::nullopt;
    const auto& table = controlesFeuilleP();
    const auto fiche = std::find_if(table.begin(), table.end(), [nom](const auto& f) { return f.nom == nom; });
    if (fiche == table.end() || fiche->indice.empty()) return std::nullopt;
    return std::string(fiche->indice);
}

} // namespace vedo
