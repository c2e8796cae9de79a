#pragma once
// The exercise menu `optionexo`, popped up under `btexo`, and its commands:
// the getting-started activity, opening an exercise and its correction,
// saving, reopening and printing the exercise text, closing the exercise.
// It also keeps `fich` and the text-modified flag in step with the text.

#include "exercises/ZoneExercice.h"

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class QToolButton;

namespace vedo {

struct ApplicationState;
class ChoixImprimante;

class MenuExercice : public QObject {
    Q_OBJECT
public:
    enum Element {
        PRISENMAIN,
        separons1,
        openexo,
        opencor,
        separons2,
        savetexte,
        opentexte,
        imprimetexte,
        separons3,
        Closexo,
    };

    // Puts the getting-started text into `supertext`.
    // `imprimante` gives the printer the program prints on.
    MenuExercice(ApplicationState& application, const ZoneExercice& zone, QToolButton* btexo,
                 std::function<ChoixImprimante&()> imprimante, QObject* parent = nullptr);

    // The captions in order; separators are empty.
    static const QStringList& legendes();
    // Which items can be chosen now.
    QList<bool> actifs() const;
    // The global point of the menu's top-left corner: under `btexo`, at its left edge.
    QPoint positionMenu() const;

    void btexo_Click();
    // Runs the command of an item; nothing for a separator or a disabled item.
    void executer(int element);

    void PRISENMAIN_Click();
    void openexo_Click();
    void opencor_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();

    // An exercise another program of the suite asked for, opened as if
    // chosen in the exercise window; false when the student kept his text.
    bool ouvrirExerciceTransmis(const QString& chemin);

    ZoneExercice& zone() { return zone_; }

private:
    // The unsaved-text question: true when the command may replace the text.
    bool abandonAccepte();
    void message(QMessageBox::Icon icone, const QString& titre, const QString& texte);

    ApplicationState& application_;
    ZoneExercice zone_;
    QToolButton* btexo_;
    std::function<ChoixImprimante&()> imprimante_;
};

} // namespace vedo
