// vedoriruvirivi-cli eval: what the calculator's display shows once the
// expression has been typed and "EXE" pressed.

#include "evaluator/Calculatrice.h"
#include "cli/Command.h"

#include <cstdio>

namespace vedo::cli {

namespace {

int commandeEval(const QStringList& arguments) {
    bool radians = false;
    bool scientifique = false;
    QStringList expression;
    bool finOptions = false;
    for (const QString& argument : arguments) {
        if (!finOptions && argument == "--radians")
            radians = true;
        else if (!finOptions && argument == "--scientific")
            scientifique = true;
        else if (!finOptions && argument == "--")
            finOptions = true;
        // A single dash is an expression's sign: "-5+2".
        else if (!finOptions && argument.startsWith("--"))
            return erreur("Option inconnue : " + argument);
        else
            expression << argument;
    }
    if (expression.isEmpty())
        return erreur("Expression manquante.\nUsage : vedoriruvirivi-cli eval [--radians] [--scientific] "
                      "EXPRESSION");

    double memoire = 0.0;
    Calculatrice calculatrice(memoire);
    calculatrice.choisirAngle(radians ? ModeAngle::radians : ModeAngle::degres);
    calculatrice.choisirAffichage(scientifique);
    calculatrice.ajouter(expression.join(' ').toStdString());
    calculatrice.executer();
    std::printf("%s\n", calculatrice.affichage().c_str());
    return 0;
}

const InscriptionCommande inscription("eval", "eval [--radians] [--scientific] EXPRESSION", commandeEval);

} // namespace

} // namespace vedo::cli
