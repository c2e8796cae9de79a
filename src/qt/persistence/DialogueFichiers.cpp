#include "persistence/DialogueFichiers.h"

#include "persistence/ListesLiees.h"

#include "persistence/NomConfiguration.h"
#include "platform/ApplicationState.h"
#include "platform/PictureBox.h"

#include <QDir>

namespace vedo {

inline constexpr QPoint decalageDialogue(20, 20);

DialogueFichiers::DialogueFichiers(ApplicationState& application, const QString& titre, const QString& action,
                                   QWidget* parent)
    : QDialog(parent), application(application) {
    setWindowTitle(titre);
    setFont(policeArial());
    setFixedSize(433, 297);

    File1 = new ListeFichiers("*" + extensionConfiguration, this);
    File1->setObjectName("File1");
    File1->setGeometry(8, 74, 208, 177);
    Dir1 = new ListeRepertoires(this);
    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(224, 74, 201, 130);
    Drive1 = new ListeLecteurs(this);
    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(224, 228, 201, 23);

    Command1 = new QPushButton(action, this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(224, 262, 97, 27);
    Command2 = new QPushButton("ANNULER", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(328, 262, 97, 27);
    // Enter belongs to the controls that use it, never to a default button.
    for (QPushButton* b : {Command1, Command2})
        b->setAutoDefault(false);

    lierListes(*Drive1, *Dir1, *File1, QDir::currentPath());
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void DialogueFichiers::placerPres(const QWidget* fenetre) {
    move(fenetre->frameGeometry().topLeft() + decalageDialogue);
}

QLabel* DialogueFichiers::etiquette(const char* nom, const QString& texte, const QRect& rectangle) {
    auto* l = new QLabel(texte, this);
    l->setObjectName(nom);
    l->setGeometry(rectangle);
    return l;
}

void DialogueFichiers::signaler(const QString& titre, const QString& texte) {
    application.prompteur.message(this, QMessageBox::Critical, titre, texte, QMessageBox::Ok);
}

} // namespace vedo
