#include "mainwindow/SaisieQuantite.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vedo {

namespace {
const char* const proprieteIndex = "indexQuantite";

bool estAccepte(QChar c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '\b';
}
} // namespace

SaisieQuantite::SaisieQuantite(std::function<void(int)> valider, QObject* parent)
    : QObject(parent), valider_(std::move(valider)) {}

void SaisieQuantite::surveiller(QLineEdit* boite, int index) {
    boite->setProperty(proprieteIndex, index);
    boite->installEventFilter(this);
    // A paste (keys, context menu, drop) goes round the key filter: what the
    // keys could not type is refused whole. A full stop stays a separator.
    static const QRegularExpression chiffres(QStringLiteral("[0-9.,]*"));
    boite->setValidator(new QRegularExpressionValidator(chiffres, boite));
}

bool SaisieQuantite::eventFilter(QObject* objet, QEvent* event) {
    // While a box is destroyed its last events come from a plain QWidget.
    auto* boite = qobject_cast<QLineEdit*>(objet);
    if (!boite) return false;
    const int index = boite->property(proprieteIndex).toInt();
    if (event->type() == QEvent::FocusOut) {
        // Losing the focus to another window (a message box, another
        // program) is not leaving the box.
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason) valider_(index);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* touche = static_cast<QKeyEvent*>(event);
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        valider_(index);
        return true;
    }
    // Keys that type nothing (arrows, Delete, Tab, shortcuts) keep their use.
    const QString texte = touche->text();
    if (texte.isEmpty() || touche->modifiers().testFlag(Qt::ControlModifier) ||
        touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab || touche->key() == Qt::Key_Delete ||
        texte.at(0) == QChar(0x7f))
        return false;
    if (texte == ".") {
        boite->insert(",");
        return true;
    }
    return !(texte.size() == 1 && estAccepte(texte.at(0)));
}

} // namespace vedo
