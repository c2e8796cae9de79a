#include "platform/ScriptedPrompter.h"

#include <QDialog>

#include <cstdio>

namespace vedo {

namespace {
template <typename T> std::optional<T> prendre(std::deque<T>& reponses) {
    if (reponses.empty()) return std::nullopt;
    T r = std::move(reponses.front());
    reponses.pop_front();
    return r;
}

// Whether a user could choose the item `choix`: enabled, and reached
// through enabled sub-menus.
bool choisissable(const ElementsMenu& elements, int choix) {
    for (const ElementMenu& e : elements) {
        if (e.legende.isEmpty() || !e.actif) continue;
        if (e.sousMenu.empty() ? e.choix == choix : choisissable(e.sousMenu, choix)) return true;
    }
    return false;
}

// "a|b|c[d|e]": the captions in order, a sub-menu's items in brackets after its caption.
QString legendes(const ElementsMenu& elements) {
    QStringList l;
    for (const ElementMenu& e : elements)
        l << (e.sousMenu.empty() ? e.legende : e.legende + '[' + legendes(e.sousMenu) + ']');
    return l.join('|');
}

// The button a user pressing Enter gets: the default one, else the first
// of the set in the order of the message box.
QMessageBox::StandardButton boutonParDefaut(QMessageBox::StandardButtons boutons,
                                            QMessageBox::StandardButton parDefaut) {
    if (parDefaut != QMessageBox::NoButton) return parDefaut;
    for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        if (boutons.testFlag(b)) return b;
    return QMessageBox::Ok;
}
} // namespace

QMessageBox::StandardButton ScriptedPrompter::message(QWidget*, QMessageBox::Icon icone, const QString& titre,
                                                      const QString& texte,
                                                      QMessageBox::StandardButtons boutons,
                                                      QMessageBox::StandardButton parDefaut) {
    questions << QuestionPosee{"message", titre, texte, icone, boutons};
    if (echo) std::fprintf(stderr, "%s: %s\n", qPrintable(titre), qPrintable(texte));
    return prendre(reponsesMessages).value_or(boutonParDefaut(boutons, parDefaut));
}

int ScriptedPrompter::menu(QWidget*, const ElementsMenu& elements, const QPoint&) {
    questions << QuestionPosee{"menu", {}, legendes(elements), QMessageBox::NoIcon, {}};
    const int choix = prendre(reponsesMenus).value_or(-1);
    return choisissable(elements, choix) ? choix : -1;
}

std::optional<QColor> ScriptedPrompter::couleur(QWidget*, const QColor& initiale) {
    questions << QuestionPosee{"couleur", {}, initiale.name(), QMessageBox::NoIcon, {}};
    return prendre(reponsesCouleurs).value_or(std::nullopt);
}

std::optional<QString> ScriptedPrompter::fichierAOuvrir(QWidget*, const DemandeFichier& demande) {
    questions << QuestionPosee{"ouvrir", demande.titre, demande.repertoire, QMessageBox::NoIcon, {}};
    demandesFichiers << demande;
    return prendre(reponsesFichiers).value_or(std::nullopt);
}

std::optional<QString> ScriptedPrompter::fichierAEnregistrer(QWidget*, const DemandeFichier& demande) {
    questions << QuestionPosee{"enregistrer", demande.titre, demande.repertoire, QMessageBox::NoIcon, {}};
    demandesFichiers << demande;
    return prendre(reponsesFichiers).value_or(std::nullopt);
}

bool ScriptedPrompter::reglerImprimante(QWidget*, QPrinter&) {
    questions << QuestionPosee{"imprimante", {}, {}, QMessageBox::NoIcon, {}};
    return prendre(reponsesImprimante).value_or(false);
}

int ScriptedPrompter::montrer(QDialog& dialogue) {
    questions << QuestionPosee{"dialogue",
                               dialogue.windowTitle(),
                               QString::fromLatin1(dialogue.metaObject()->className()),
                               QMessageBox::NoIcon,
                               {}};
    if (auto jouer = prendre(reponsesDialogues)) return (*jouer)(dialogue);
    return QDialog::Rejected;
}

QStringList ScriptedPrompter::messages() const {
    QStringList liste;
    for (const auto& q : questions)
        if (q.genre == "message") liste << q.titre + ": " + q.texte;
    return liste;
}

} // namespace vedo
