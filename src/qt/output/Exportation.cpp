#include "output/Exportation.h"

#include "persistence/FichierEntier.h"
#include "platform/Prompter.h"
#include "platform/SurfaceQt.h"
#include "view/DessinGraphe.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QSvgGenerator>

namespace vedo {

namespace {

const QString filtresGraphe =
    QStringLiteral("Image vectorielle SVG (*.svg);;Document PDF (*.pdf);;Image PNG (*.png)");
const QString filtreTableau = QStringLiteral("Tableau CSV (*.csv)");

QString repertoireDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation) : documents;
}

// The configuration's name with the extension of the file to save.
QString nomPropose(const QString& configuration, const QString& extension) {
    if (configuration.isEmpty()) return {};
    return QFileInfo(configuration).completeBaseName() + '.' + extension;
}

void dessinerSur(QPaintDevice& appareil, const DessinGraphe& dessin) {
    QPainter peintre(&appareil);
    SurfaceQt surface(peintre, QSize(dessin.largeur(), dessin.hauteur()));
    dessin.dessiner(surface);
}

void ecrire(Prompter& prompter, QWidget* parent, const QString& nom, const QByteArray& octets) {
    if (!ecrireFichierEntier(nom, octets))
        prompter.message(parent, QMessageBox::Critical, titreEchecEnregistrement, texteEchecEcriture);
}

} // namespace

std::optional<FormatGraphe> formatGraphe(const QString& fichier) {
    const QString extension = QFileInfo(fichier).suffix().toLower();
    if (extension == "svg") return FormatGraphe::svg;
    if (extension == "pdf") return FormatGraphe::pdf;
    if (extension == "png") return FormatGraphe::png;
    return std::nullopt;
}

QByteArray fichierGraphe(FormatGraphe format, const DessinGraphe& dessin, const QImage& ecran,
                         qreal ratioPixels) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const QSize taille(dessin.largeur(), dessin.hauteur());
    switch (format) {
    case FormatGraphe::svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&tampon);
        svg.setSize(taille);
        svg.setViewBox(QRect(QPoint(), taille));
        svg.setTitle(QStringLiteral("Vedoriruvirivi"));
        dessinerSur(svg, dessin);
        break;
    }
    case FormatGraphe::pdf: {
        // One point of the page for one pixel of the picture.
        QPdfWriter pdf(&tampon);
        pdf.setResolution(72);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QSizeF(taille), QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        pdf.setCreator(QStringLiteral("Vedoriruvirivi"));
        dessinerSur(pdf, dessin);
        break;
    }
    case FormatGraphe::png: {
        // The screen shows each pixel of the picture as a square of device pixels.
        const QImage image = ratioPixels == 1.0 ? ecran
                                                : ecran.scaled(ecran.size() * ratioPixels,
                                                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
        image.save(&tampon, "PNG");
        break;
    }
    }
    return octets;
}

QString texteFormatInconnu() {
    return QStringLiteral("Format inconnu : le nom du fichier doit finir par .svg, .pdf ou .png");
}

std::optional<QString> Exportation::demander(Prompter& prompter, QWidget* parent, const QString& titre,
                                             const QString& filtre, const QString& propose) {
    const DemandeFichier demande{titre, repertoire_.isEmpty() ? repertoireDocuments() : repertoire_, propose,
                                 filtre};
    const auto nom = prompter.fichierAEnregistrer(parent, demande);
    if (!nom || nom->trimmed().isEmpty()) return std::nullopt;
    repertoire_ = QFileInfo(*nom).absolutePath();
    return nom;
}

void Exportation::enregistrerGraphe(Prompter& prompter, QWidget* parent, const Vues& vues) {
    if (!vues.dessinGraphe) return;
    const auto nom = demander(prompter, parent, QStringLiteral("Enregistrer le graphe"), filtresGraphe,
                              nomPropose(vues.configuration, "svg"));
    if (!nom) return;
    const auto format = formatGraphe(*nom);
    if (!format) {
        prompter.message(parent, QMessageBox::Critical, titreEchecEnregistrement, texteFormatInconnu());
        return;
    }
    ecrire(prompter, parent, *nom, fichierGraphe(*format, *vues.dessinGraphe, vues.graphe, vues.ratioPixels));
}

void Exportation::enregistrerTableau(Prompter& prompter, QWidget* parent, const Vues& vues) {
    const auto nom = demander(prompter, parent, QStringLiteral("Enregistrer le tableau"), filtreTableau,
                              nomPropose(vues.configuration, "csv"));
    if (nom) ecrire(prompter, parent, *nom, vues.tableauCsv);
}

} // namespace vedo
