#include "mainwindow/ChaineTabulation.h"

#include <QRadioButton>
#include <QWidget>

namespace vedo {

namespace {
// Another control lies over the middle of `controle`.
bool couvert(const QWidget* fenetre, const QWidget* controle) {
    const QWidget* dessus = fenetre->childAt(controle->mapTo(fenetre, controle->rect().center()));
    return dessus && dessus != controle && !controle->isAncestorOf(dessus);
}

// Qt keeps Tab for the checked one of a group of radio buttons; here each is
// a stop of its own, since the graph's and the table's lie apart.
bool clavier(const QWidget* w) {
    const auto politique = w->focusPolicy();
    return (politique & Qt::TabFocus) ||
           (qobject_cast<const QRadioButton*>(w) && (politique & Qt::ClickFocus));
}

bool atteignable(const QWidget* fenetre, const QWidget* w) {
    return w != fenetre && w->window() == fenetre && clavier(w) && !w->focusProxy() &&
           w->isVisibleTo(fenetre) && w->isEnabled() && !couvert(fenetre, w);
}
} // namespace

QList<QWidget*> chaineTabulation(const QWidget* fenetre) {
    QList<QWidget*> chaine;
    for (QWidget* w = fenetre->nextInFocusChain(); w && w != fenetre; w = w->nextInFocusChain())
        if (atteignable(fenetre, w)) chaine << w;
    return chaine;
}

QWidget* voisinTabulation(const QWidget* fenetre, QWidget* depart, bool suivant) {
    const auto pas = [suivant](QWidget* w) {
        return suivant ? w->nextInFocusChain() : w->previousInFocusChain();
    };
    QWidget* debut = depart ? depart : const_cast<QWidget*>(fenetre);
    for (QWidget* w = pas(debut); w && w != debut; w = pas(w))
        if (atteignable(fenetre, w)) return w;
    return nullptr;
}

} // namespace vedo
