#pragma once
// The exercise menu `optionexo`, the shell of ModeleMenuExercice: it pops
// the model's items up under `btexo`, runs the exercise window and the
// printing for it, and keeps `fich` and the text-modified flag in step with
// the text.

#include "exercises/FenetreExerciceQt.h"
#include "exercises/FichiersNommesQt.h"
#include "exercises/ZoneExercice.h"
#include "platform/QuestionsFenetre.h"
#include "presentation/ModeleMenuExercice.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QToolButton;

namespace vedo {

struct ApplicationState;
class ChoixImprimante;

class MenuExercice : public QObject {
    Q_OBJECT
public:
    // Puts the getting-started text into `supertext`.
    // `imprimante` gives the printer the program prints on.
    MenuExercice(ApplicationState& application, const ZoneExercice& zone, QToolButton* btexo,
                 std::function<ChoixImprimante&()> imprimante, QObject* parent = nullptr);

    // The global point of the menu's top-left corner: under `btexo`, at its left edge.
    QPoint positionMenu() const;
    void btexo_Click();

    // An exercise another program of the suite asked for, opened as if
    // chosen in the exercise window; false when the student kept his text.
    bool ouvrirExerciceTransmis(const QString& chemin);

    ZoneExercice& zone() { return zone_; }
    ModeleMenuExercice& modele() { return modele_; }

private:
    ServicesMenuExercice services();

    ApplicationState& application_;
    ZoneExercice zone_;
    QToolButton* btexo_;
    std::function<ChoixImprimante&()> imprimante_;
    FenetreExerciceQt fenetre_;
    FichiersNommesQt fichiers_;
    QuestionsFenetre questions_;
    ModeleMenuExercice modele_;
};

} // namespace vedo
