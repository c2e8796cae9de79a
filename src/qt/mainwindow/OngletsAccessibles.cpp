#include "mainwindow/OngletsAccessibles.h"

#include "mainwindow/BandeOnglets.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <array>

namespace vedo {

namespace {
constexpr int nombreOnglets = 5;

class OngletAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    OngletAccessible(BandeOnglets* bande, int onglet) : bande_(bande), onglet_(onglet) {}

    bool isValid() const override { return !bande_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bande_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? titreOnglet(onglet_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!bande_) return {};
        const auto& bords = bande_->bordsOnglets;
        const QRect local(QPoint(bords[onglet_ - 1] + 1, 0),
                          QPoint(bords[onglet_], bande_->hauteurTitre() + 1));
        return local.translated(bande_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State etat;
        if (!bande_) return etat;
        const bool actif = std::max<int>(bande_->ongletActif, 1) == onglet_;
        etat.selectable = true;
        etat.focusable = true;
        etat.selected = actif;
        etat.focused = actif && bande_->hasFocus();
        etat.invisible = !bande_->isVisible();
        return etat;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (bande_ && action == pressAction()) bande_->choisir(onglet_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BandeOnglets> bande_;
    int onglet_;
};

class BandeAccessible : public QAccessibleWidget {
public:
    explicit BandeAccessible(BandeOnglets* bande) : QAccessibleWidget(bande, QAccessible::PageTabList) {}
    ~BandeAccessible() override {
        for (const QAccessible::Id id : onglets_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return nombreOnglets + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0) return nullptr;
        return index < nombreOnglets ? onglet(index) : QAccessibleWidget::child(index - nombreOnglets);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        for (int i = 0; i < nombreOnglets; ++i)
            if (onglets_[i] && QAccessible::accessibleInterface(onglets_[i]) == enfant) return i;
        const int index = QAccessibleWidget::indexOfChild(enfant);
        return index < 0 ? -1 : index + nombreOnglets;
    }
    QAccessibleInterface* focusChild() const override {
        auto* bande = static_cast<BandeOnglets*>(widget());
        if (bande->hasFocus()) return onglet(std::max<int>(bande->ongletActif, 1) - 1);
        return QAccessibleWidget::focusChild();
    }

private:
    // Made at the first question, owned by the framework's cache.
    QAccessibleInterface* onglet(int index) const {
        if (!onglets_[index])
            onglets_[index] = QAccessible::registerAccessibleInterface(
                new OngletAccessible(static_cast<BandeOnglets*>(widget()), index + 1));
        return QAccessible::accessibleInterface(onglets_[index]);
    }

    mutable std::array<QAccessible::Id, nombreOnglets> onglets_{};
};

QAccessibleInterface* fabrique(const QString&, QObject* objet) {
    if (auto* bande = qobject_cast<BandeOnglets*>(objet)) return new BandeAccessible(bande);
    return nullptr;
}
} // namespace

void installerOngletsAccessibles() {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    (void)installee;
}

void annoncerOngletActif(BandeOnglets& bande) {
    if (!QAccessible::isActive()) return;
    const int index = std::max<int>(bande.ongletActif, 1) - 1;
    QAccessibleEvent selection(&bande, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (!bande.hasFocus()) return;
    QAccessibleEvent focus(&bande, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

} // namespace vedo
