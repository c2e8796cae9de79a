#include "platform/QtPrompter.h"

#include "platform/BoiteMessageQt.h"
#include "platform/DessinQt.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace vedo {

namespace {
QString qt(const std::string& texte) {
    return QString::fromStdString(texte);
}

// The sub-menus are children of `menu`, destroyed with it.
void remplir(QMenu& menu, const ElementsMenu& elements) {
    for (const ElementMenu& e : elements) {
        if (e.legende.empty()) {
            menu.addSeparator();
        } else if (!e.sousMenu.empty()) {
            QMenu* sousMenu = menu.addMenu(qt(e.legende));
            sousMenu->menuAction()->setEnabled(e.actif);
            remplir(*sousMenu, e.sousMenu);
        } else {
            QAction* action = menu.addAction(qt(e.legende));
            action->setData(e.choix);
            action->setEnabled(e.actif);
        }
    }
}
} // namespace

Bouton QtPrompter::message(Icone icone, const std::string& titre, const std::string& texte, Boutons boutons,
                           Bouton parDefaut) {
    QMessageBox boite(iconeQt(icone), qt(titre), qt(texte), boutonsQt(boutons), fenetreParente());
    if (parDefaut != Bouton::aucun) boite.setDefaultButton(boutonQt(parDefaut));
    return boutonDe(static_cast<QMessageBox::StandardButton>(boite.exec()));
}

int QtPrompter::menu(const ElementsMenu& elements, Pixel position) {
    QMenu menu(fenetreParente());
    remplir(menu, elements);
    QAction* choisie = menu.exec(pixelQt(position));
    return choisie ? choisie->data().toInt() : -1;
}

std::optional<Couleur> QtPrompter::couleur(Couleur initiale) {
    const QColor c = QColorDialog::getColor(couleurQt(initiale), fenetreParente());
    if (!c.isValid()) return std::nullopt;
    return couleurDe(c);
}

std::optional<std::string> QtPrompter::fichierAOuvrir(const QuestionFichier& demande) {
    const QString depart =
        qt(demande.nomPropose.empty() ? demande.repertoire : demande.repertoire + '/' + demande.nomPropose);
    const QString nom =
        QFileDialog::getOpenFileName(fenetreParente(), qt(demande.titre), depart, qt(demande.filtre));
    if (nom.isEmpty()) return std::nullopt;
    return nom.toStdString();
}

std::optional<std::string> QtPrompter::fichierAEnregistrer(const QuestionFichier& demande) {
    QFileDialog dialogue(fenetreParente(), qt(demande.titre), qt(demande.repertoire), qt(demande.filtre));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, !demande.confirmerEcrasement);
    if (!demande.nomPropose.empty()) dialogue.selectFile(qt(demande.nomPropose));
    // A name typed without an extension takes that of the chosen filter,
    // before the dialog asks about a file it would replace.
    const auto suffixe = [&dialogue](const QString& filtre) {
        static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
        dialogue.setDefaultSuffix(extension.match(filtre).captured(1));
    };
    suffixe(dialogue.selectedNameFilter());
    QObject::connect(&dialogue, &QFileDialog::filterSelected, suffixe);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
    return dialogue.selectedFiles().first().toStdString();
}

bool QtPrompter::reglerImprimante(QWidget* parent, QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, parent);
    return dialogue.exec() == QDialog::Accepted;
}

int QtPrompter::montrer(QDialog& dialogue) {
    return dialogue.exec();
}

} // namespace vedo
