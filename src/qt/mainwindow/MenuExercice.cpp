#include "mainwindow/MenuExercice.h"

#include "exercises/Fichexo.h"
#include "exercises/TexteAccueil.h"
#include "output/ImpressionTexte.h"
#include "platform/ApplicationState.h"

#include <QDir>
#include <QToolButton>

namespace vedo {

MenuExercice::MenuExercice(ApplicationState& application, const ZoneExercice& zone, QToolButton* btexo,
                           std::function<ChoixImprimante&()> imprimante, QObject* parent)
    : QObject(parent), application_(application), zone_(zone), btexo_(btexo),
      imprimante_(std::move(imprimante)), fenetre_(application_, zone_),
      questions_(application_.prompteur, zone_.fenetre), modele_(questions_, fichiers_, fenetre_, services()) {
    QLineEdit* fich = zone_.fich;
    fich->setReadOnly(true);
    // A long path shows its end, the file's name, and the whole of it in the tool tip.
    connect(fich, &QLineEdit::textChanged, fich, [fich](const QString& texte) {
        fich->setCursorPosition(static_cast<int>(texte.size()));
        fich->setToolTip(texte);
    });
    connect(zone_.supertext, &QTextEdit::textChanged, this, [this] {
        if (!zone_.fich->text().isEmpty()) application_.texteModifie = true;
    });
    connect(btexo_, &QToolButton::clicked, this, &MenuExercice::btexo_Click);
    textaccueil(*zone_.supertext);
}

ServicesMenuExercice MenuExercice::services() {
    ServicesMenuExercice s;
    s.choisirExercice = [this] {
        Fichexo fichexo(application_, zone_, zone_.fenetre);
        application_.prompteur.executer(fichexo);
    };
    s.ouvrirExercice = [this](const std::string& chemin) {
        Fichexo fichexo(application_, zone_, zone_.fenetre);
        fichexo.modele().changer("fichierexo", chemin);
        fichexo.modele().ouvreur_Click();
    };
    s.imprimerTexte = [this] {
        imprimerTexte(*zone_.supertext->document(), imprimante_(), application_.prompteur, zone_.fenetre);
    };
    return s;
}

QPoint MenuExercice::positionMenu() const {
    return btexo_->mapToGlobal(QPoint(0, btexo_->height()));
}

void MenuExercice::btexo_Click() {
    modele_.executer(application_.prompteur.menu(btexo_, modele_.elements(), positionMenu()));
}

bool MenuExercice::ouvrirExerciceTransmis(const QString& chemin) {
    return modele_.ouvrirExerciceTransmis(QDir::toNativeSeparators(chemin).toStdString());
}

} // namespace vedo
