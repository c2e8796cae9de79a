#include "output/ChoixImprimante.h"

#include "platform/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>

#include <utility>

namespace vedo {

namespace {
bool aucuneImprimante() {
    return QPrinterInfo::availablePrinterNames().isEmpty();
}
} // namespace

ChoixImprimante::ChoixImprimante() {
    if (aucuneImprimante()) imprimante_.setOutputFormat(QPrinter::PdfFormat);
}

QString ChoixImprimante::nom() const {
    if (imprimante_.outputFormat() != QPrinter::PdfFormat) return imprimante_.printerName();
    if (!imprimante_.outputFileName().isEmpty())
        return QStringLiteral("Fichier PDF : ") + QDir::toNativeSeparators(imprimante_.outputFileName());
    return aucuneImprimante() ? QStringLiteral("Aucune imprimante : impression dans un fichier PDF")
                              : QStringLiteral("Impression dans un fichier PDF");
}

bool ChoixImprimante::regler(Prompter& prompter, QWidget* parent) {
    const bool accepte = prompter.reglerImprimante(parent, imprimante_);
    fichierRegle_ =
        accepte && imprimante_.outputFormat() == QPrinter::PdfFormat && !imprimante_.outputFileName().isEmpty();
    return accepte;
}

bool ChoixImprimante::preparer(Prompter& prompter, QWidget* parent) {
    if (imprimante_.outputFormat() != QPrinter::PdfFormat) return true;
    QString fichier = imprimante_.outputFileName();
    if (!std::exchange(fichierRegle_, false)) {
        const QFileInfo precedent(fichier);
        DemandeFichier demande;
        demande.titre = QStringLiteral("Imprimer dans un fichier PDF");
        demande.repertoire = fichier.isEmpty() ? QDir::homePath() : precedent.absolutePath();
        demande.nomPropose = fichier.isEmpty() ? QStringLiteral("Vedoriruvirivi.pdf") : precedent.fileName();
        demande.filtre = QStringLiteral("Document PDF (*.pdf)");
        const auto choisi = prompter.fichierAEnregistrer(parent, demande);
        if (!choisi || choisi->trimmed().isEmpty()) return false;
        fichier = *choisi;
        if (QFileInfo(fichier).suffix().isEmpty()) fichier += QStringLiteral(".pdf");
    }
    if (!QFile(fichier).open(QIODevice::WriteOnly)) {
        signalerEchecImpression(prompter, parent);
        return false;
    }
    imprimante_.setOutputFileName(fichier);
    return true;
}

void signalerEchecImpression(Prompter& prompter, QWidget* parent) {
    prompter.message(parent, QMessageBox::Critical, QStringLiteral("Erreur d'impression"),
                     QStringLiteral("Impossible d'imprimer : vérifier l'imprimante ou le nom du fichier."));
}

} // namespace vedo
