#include "platform/Prompter.h"

#include "platform/DessinQt.h"

namespace vedo {

namespace {
QuestionFichier questionFichier(const DemandeFichier& d) {
    return {d.titre.toStdString(), d.repertoire.toStdString(), d.nomPropose.toStdString(),
            d.filtre.toStdString(), d.confirmerEcrasement};
}

std::optional<QString> nomQt(const std::optional<std::string>& nom) {
    if (!nom) return std::nullopt;
    return QString::fromStdString(*nom);
}
} // namespace

// Asks with `parent` as the window of the question, the previous one back
// afterwards.
template <typename Question> auto Prompter::demander(QWidget* parent, Question question) {
    struct Retour {
        QWidget*& parent;
        QWidget* avant;
        ~Retour() { parent = avant; }
    } retour{parent_, parent_};
    parent_ = parent;
    return question();
}

QMessageBox::StandardButton Prompter::message(QWidget* parent, QMessageBox::Icon icone, const QString& titre,
                                              const QString& texte, QMessageBox::StandardButtons boutons,
                                              QMessageBox::StandardButton parDefaut) {
    return boutonQt(demander(parent, [&] {
        return message(iconeDe(icone), titre.toStdString(), texte.toStdString(), boutonsDe(boutons),
                       boutonDe(parDefaut));
    }));
}

void Prompter::demanderPour(QWidget* fenetre, const std::function<void()>& question) {
    demander(fenetre, question);
}

int Prompter::menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position) {
    return demander(parent, [&] { return menu(elements, Pixel{position.x(), position.y()}); });
}

std::optional<QColor> Prompter::couleur(QWidget* parent, const QColor& initiale) {
    const auto choisie = demander(parent, [&] { return couleur(couleurDe(initiale)); });
    if (!choisie) return std::nullopt;
    return couleurQt(*choisie);
}

std::optional<QString> Prompter::fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) {
    return nomQt(demander(parent, [&] { return fichierAOuvrir(questionFichier(demande)); }));
}

std::optional<QString> Prompter::fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) {
    return nomQt(demander(parent, [&] { return fichierAEnregistrer(questionFichier(demande)); }));
}

} // namespace vedo
