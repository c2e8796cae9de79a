#pragma once
// Qt's own texts (the standard buttons of the questions, the file and
// printer dialogs) in French whatever the system's language, since the
// whole interface is French.

class QCoreApplication;
class QTranslator;

namespace vedo {

// Installs Qt's French translation in `application`, which owns it; null
// when the translation is not on the machine (Qt's texts then stay English).
QTranslator* traduireQtEnFrancais(QCoreApplication& application);

} // namespace vedo
