#pragma once
// A Prompter that shows nothing: it records every question and answers from
// a script, or with the default answer when the script is empty. Tests use it
// to drive windows; the command-line tool uses it with an echo of each
// message to stderr.

#include "platform/Prompter.h"

#include <QList>

#include <deque>
#include <functional>

namespace vedo {

struct QuestionPosee {
    QString genre; // "message", "menu", "couleur", "ouvrir", "enregistrer", "imprimante", "dialogue"
    QString titre;
    QString texte; // message text, menu items joined by '|' (a sub-menu's in brackets), dialog class name
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
};

class ScriptedPrompter : public Prompter {
public:
    QList<QuestionPosee> questions;
    // Every file dialog asked for, whole.
    QList<DemandeFichier> demandesFichiers;

    // Answers used in order, one per question of their kind.
    std::deque<QMessageBox::StandardButton> reponsesMessages;
    // The `choix` of the item picked; an item the user could not pick (not
    // there, disabled, a separator) closes the menu without a choice.
    std::deque<int> reponsesMenus;
    std::deque<std::optional<QColor>> reponsesCouleurs;
    std::deque<std::optional<QString>> reponsesFichiers;
    std::deque<bool> reponsesImprimante;
    // Plays a modal dialog: may set its controls and click its buttons, then
    // returns the result code. Without one, the dialog is rejected unseen.
    std::deque<std::function<int(QDialog&)>> reponsesDialogues;

    // Echoes every message as "title: text" on stderr.
    bool echo = false;

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                        const QString& texte, QMessageBox::StandardButtons boutons,
                                        QMessageBox::StandardButton parDefaut) override;
    int menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position) override;
    std::optional<QColor> couleur(QWidget* parent, const QColor& initiale) override;
    std::optional<QString> fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) override;
    std::optional<QString> fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) override;
    bool reglerImprimante(QWidget* parent, QPrinter& imprimante) override;

    // The messages asked so far, as "title: text".
    QStringList messages() const;

protected:
    int montrer(QDialog& dialogue) override;
};

} // namespace vedo
