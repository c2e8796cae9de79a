#include "platform/QtPrompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace vedo {

QMessageBox::StandardButton QtPrompter::message(QWidget* parent, QMessageBox::Icon icone,
                                                const QString& titre, const QString& texte,
                                                QMessageBox::StandardButtons boutons,
                                                QMessageBox::StandardButton parDefaut) {
    QMessageBox boite(icone, titre, texte, boutons, parent);
    if (parDefaut != QMessageBox::NoButton) boite.setDefaultButton(parDefaut);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

namespace {
// The sub-menus are children of `menu`, destroyed with it.
void remplir(QMenu& menu, const ElementsMenu& elements) {
    for (const ElementMenu& e : elements) {
        if (e.legende.isEmpty()) {
            menu.addSeparator();
        } else if (!e.sousMenu.empty()) {
            QMenu* sousMenu = menu.addMenu(e.legende);
            sousMenu->menuAction()->setEnabled(e.actif);
            remplir(*sousMenu, e.sousMenu);
        } else {
            QAction* action = menu.addAction(e.legende);
            action->setData(e.choix);
            action->setEnabled(e.actif);
        }
    }
}
} // namespace

int QtPrompter::menu(QWidget* parent, const ElementsMenu& elements, const QPoint& position) {
    QMenu menu(parent);
    remplir(menu, elements);
    QAction* choisie = menu.exec(position);
    return choisie ? choisie->data().toInt() : -1;
}

std::optional<QColor> QtPrompter::couleur(QWidget* parent, const QColor& initiale) {
    const QColor c = QColorDialog::getColor(initiale, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QString> QtPrompter::fichierAOuvrir(QWidget* parent, const DemandeFichier& demande) {
    const QString depart =
        demande.nomPropose.isEmpty() ? demande.repertoire : demande.repertoire + '/' + demande.nomPropose;
    const QString nom = QFileDialog::getOpenFileName(parent, demande.titre, depart, demande.filtre);
    if (nom.isEmpty()) return std::nullopt;
    return nom;
}

std::optional<QString> QtPrompter::fichierAEnregistrer(QWidget* parent, const DemandeFichier& demande) {
    QFileDialog dialogue(parent, demande.titre, demande.repertoire, demande.filtre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, !demande.confirmerEcrasement);
    if (!demande.nomPropose.isEmpty()) dialogue.selectFile(demande.nomPropose);
    // A name typed without an extension takes that of the chosen filter,
    // before the dialog asks about a file it would replace.
    const auto suffixe = [&dialogue](const QString& filtre) {
        static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
        dialogue.setDefaultSuffix(extension.match(filtre).captured(1));
    };
    suffixe(dialogue.selectedNameFilter());
    QObject::connect(&dialogue, &QFileDialog::filterSelected, suffixe);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
    return dialogue.selectedFiles().first();
}

bool QtPrompter::reglerImprimante(QWidget* parent, QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, parent);
    return dialogue.exec() == QDialog::Accepted;
}

int QtPrompter::montrer(QDialog& dialogue) {
    return dialogue.exec();
}

} // namespace vedo
