#include "output/Aide.h"

#include "platform/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace vedo {

QString cheminAide(const QString& repertoireApplication) {
    return QDir(QDir::fromNativeSeparators(repertoireApplication)).filePath(QLatin1String(nomFichierAide));
}

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("aide"));
    setWindowTitle(QStringLiteral("Aide - Vedoriruvirivi"));
    resize(620, 560);

    navigateur_ = new QTextBrowser;
    navigateur_->setOpenExternalLinks(true);
    auto* sommaire = new QPushButton(QStringLiteral("&Sommaire"));
    auto* precedent = new QPushButton(QStringLiteral("&Précédent"));
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"));
    precedent->setEnabled(false);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(sommaire);
    boutons->addWidget(precedent);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(boutons);
    tout->addWidget(navigateur_);

    connect(sommaire, &QPushButton::clicked, navigateur_, &QTextBrowser::home);
    connect(precedent, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void FenetreAide::placerSurFenetre() {
    const QWidget* principale = parentWidget() ? parentWidget()->window() : nullptr;
    if (!principale) return;
    // Not yet shown, the window has no frame to measure: it gets the main window's.
    const QSize bords = principale->frameGeometry().size() - principale->size();
    QRect cadre(QPoint(), size() + bords);
    cadre.moveCenter(principale->frameGeometry().center());
    if (const QScreen* ecran = principale->screen()) {
        const QRect bureau = ecran->availableGeometry();
        cadre.moveRight(std::min(cadre.right(), bureau.right()));
        cadre.moveBottom(std::min(cadre.bottom(), bureau.bottom()));
        cadre.moveLeft(std::max(cadre.left(), bureau.left()));
        cadre.moveTop(std::max(cadre.top(), bureau.top()));
    }
    move(cadre.topLeft());
}

bool FenetreAide::ouvrirSommaire(const QString& fichier) {
    const QFileInfo info(fichier);
    if (!info.isFile() || !info.isReadable()) return false;
    // The name does not say HTML: tell the browser.
    navigateur_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    navigateur_->clearHistory();
    return true;
}

void ouvrirAide(FenetreAide& fenetre, Prompter& prompter, const QString& repertoireApplication,
                const QImage& graphe, const std::function<void(const QImage&)>& remettreGraphe) {
    const QImage sauvetage = graphe.copy();
    if (fenetre.ouvrirSommaire(cheminAide(repertoireApplication))) {
        // Left open, it stays where the user put it.
        if (!fenetre.isVisible()) fenetre.placerSurFenetre();
        fenetre.show();
        fenetre.raise();
        fenetre.activateWindow();
    } else {
        prompter.message(
            fenetre.parentWidget(), QMessageBox::Critical, QStringLiteral("Aide"),
            QStringLiteral("Le fichier d'aide %1 est introuvable dans le dossier du programme :\n%2\n"
                           "Revoir l'installation du logiciel.")
                .arg(QLatin1String(nomFichierAide), QDir::toNativeSeparators(repertoireApplication)));
    }
    remettreGraphe(sauvetage);
}

} // namespace vedo
