#include "persistence/ListeRepertoires.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace vedo {

namespace {
constexpr int roleChemin = Qt::UserRole;
constexpr int roleNiveau = Qt::UserRole + 1;

// Each entry, icon included, stands one step right of its parent.
class DecalageNiveau : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem decale(option);
        decale.rect.setLeft(option.rect.left() + 12 * index.data(roleNiveau).toInt());
        QStyledItemDelegate::paint(peintre, decale, index);
    }
};
} // namespace

ListeRepertoires::ListeRepertoires(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new DecalageNiveau(this));
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { ouvrirSurligne(); });
}

bool ListeRepertoires::setChemin(const QString& repertoire) {
    const QDir dossier(QDir::fromNativeSeparators(repertoire));
    if (!dossier.exists() || !dossier.isReadable()) return false;
    const QString nouveau = QDir::cleanPath(dossier.absolutePath());
    const bool change = nouveau != chemin_;
    chemin_ = nouveau;
    remplir();
    if (change) emit cheminChange();
    return true;
}

QString ListeRepertoires::cheminSurligne() const {
    const QListWidgetItem* element = currentItem();
    return element ? element->data(roleChemin).toString() : chemin_;
}

void ListeRepertoires::ouvrirSurligne() {
    setChemin(cheminSurligne());
}

void ListeRepertoires::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ouvrirSurligne();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ListeRepertoires::remplir() {
    clear();
    QStringList ancetres;
    for (QDir d(chemin_);; d.cdUp()) {
        ancetres.prepend(d.absolutePath());
        if (d.isRoot()) break;
    }
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto ajouter = [this](const QIcon& icone, int niveau, const QString& nom, const QString& chemin) {
        auto* element = new QListWidgetItem(icone, nom, this);
        element->setData(roleChemin, chemin);
        element->setData(roleNiveau, niveau);
    };
    for (int niveau = 0; niveau < ancetres.size(); ++niveau) {
        const QString& chemin = ancetres[niveau];
        ajouter(ouvert, niveau, niveau == 0 ? QDir::toNativeSeparators(chemin) : QDir(chemin).dirName(),
                chemin);
    }
    setCurrentRow(count() - 1);
    const QDir courant(chemin_);
    for (const QString& sous :
         courant.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        ajouter(ferme, int(ancetres.size()), sous, courant.filePath(sous));
}

} // namespace vedo
