#include "platform/PressePapiersQt.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vedo {

void PressePapiersQt::copierTexte(const std::string& texte) {
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    // Nothing of the last copy stays beside the text.
    pressePapiers->clear();
    pressePapiers->setText(QString::fromStdString(texte));
}

} // namespace vedo
