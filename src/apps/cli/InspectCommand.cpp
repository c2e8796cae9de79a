// inspect: every named control of the main window after its start-up, one
// JSON object a line: name, class, geometry in window pixels, visibility,
// state, text, tooltip, what assistive technologies are told (name and
// description), the rank in the Tab chain, and what each kind of control holds.

#include "cli/Command.h"
#include "mainwindow/ChaineTabulation.h"
#include "mainwindow/FenetreHorsEcran.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>

#include <cstdio>

namespace vedo::cli {

namespace {
QString texteControle(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (const auto* t = qobject_cast<const QTextEdit*>(w)) return t->toPlainText();
    return w->isWindow() ? w->windowTitle() : QString();
}

QJsonArray cellules(const QTableWidget* grille) {
    QJsonArray lignes;
    for (int r = 0; r < grille->rowCount(); ++r) {
        QJsonArray ligne;
        for (int c = 0; c < grille->columnCount(); ++c) {
            const QTableWidgetItem* element = grille->item(r, c);
            ligne.append(element ? element->text() : QString());
        }
        lignes.append(ligne);
    }
    return lignes;
}

// Keys in a fixed order, so that lines read alike and compare line by line.
// `rang`: 1 for the first control that Tab reaches, 0 for one it never reaches.
QString ligneJson(const QWidget* w, const QWidget* fenetre, int rang) {
    const auto valeur = [](const QJsonValue& v) {
        const QByteArray enveloppe = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(enveloppe.mid(1, enveloppe.size() - 2));
    };
    const QPoint p = w == fenetre ? QPoint() : w->mapTo(fenetre, QPoint());
    QString ligne = "{\"name\":" + valeur(w->objectName()) +
                    ",\"class\":" + valeur(QString(w->metaObject()->className()).section("::", -1)) +
                    QString(",\"x\":%1,\"y\":%2,\"w\":%3,\"h\":%4")
                        .arg(p.x())
                        .arg(p.y())
                        .arg(w->width())
                        .arg(w->height()) +
                    ",\"visible\":" + valeur(w->isVisible()) + ",\"enabled\":" + valeur(w->isEnabled()) +
                    ",\"text\":" + valeur(texteControle(w)) + ",\"tooltip\":" + valeur(w->toolTip());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
    ligne += ",\"accessibleName\":" + valeur(accessible ? accessible->text(QAccessible::Name) : QString()) +
             ",\"accessibleDescription\":" +
             valeur(accessible ? accessible->text(QAccessible::Description) : QString()) +
             ",\"tabOrder\":" + valeur(rang > 0 ? QJsonValue(rang) : QJsonValue());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable())
        ligne += ",\"checked\":" + valeur(b->isChecked());
    if (const auto* s = qobject_cast<const QAbstractSlider*>(w)) ligne += ",\"value\":" + valeur(s->value());
    if (const auto* g = qobject_cast<const QTableWidget*>(w)) ligne += ",\"cells\":" + valeur(cellules(g));
    return ligne + "}";
}

int inspect(QStringList arguments) {
    OptionsFenetre options;
    if (const auto erreurOption = lireOptionsFenetre(arguments, options)) return erreur(*erreurOption);
    if (!arguments.isEmpty()) return erreur("Option inconnue : " + arguments.first());

    SessionHorsEcran session(options);
    if (!session.configurationChargee())
        return erreur("Configuration non chargée : " + options.configuration);
    const QWidget* fenetre = &session.fenetre();
    QList<const QWidget*> controles = {fenetre};
    for (const QWidget* w : fenetre->findChildren<const QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) controles << w;
    const QList<QWidget*> chaine = chaineTabulation(fenetre);
    for (const QWidget* w : controles)
        std::printf("%s\n",
                    ligneJson(w, fenetre, static_cast<int>(chaine.indexOf(const_cast<QWidget*>(w))) + 1)
                        .toUtf8()
                        .constData());
    return 0;
}

const InscriptionCommande
    inscription("inspect", "inspect [--tab N] [--final] [--enlarged] [--config FICHIER.C15]", inspect);
} // namespace

} // namespace vedo::cli
