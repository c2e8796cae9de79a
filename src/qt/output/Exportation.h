#pragma once
// The graph and the table saved to files for worksheets and lab reports: the
// graph as a vector drawing (SVG, PDF) of what its picture shows, or as the
// picture on screen (PNG); the table as CSV (view/TableauCsv.h). Files are
// written whole or not at all: an existing file is kept when the save fails.

#include "output/Vues.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace vedo {

class DessinGraphe;
class Prompter;

enum class FormatGraphe { svg, pdf, png };

// The format a file's extension asks for, whatever its case.
std::optional<FormatGraphe> formatGraphe(const QString& fichier);

// The file's bytes: the vector drawings draw `dessin` again, at its size;
// PNG is `ecran`, the picture as its box holds it, as a screen of
// `ratioPixels` device pixels per pixel shows it.
QByteArray fichierGraphe(FormatGraphe format, const DessinGraphe& dessin, const QImage& ecran,
                         qreal ratioPixels = 1.0);

// Said when a graph's file name has none of the three extensions.
QString texteFormatInconnu();

// "Enregistrer le graphe…" and "Enregistrer le tableau…": the save dialog,
// in the documents folder the first time and then in the folder of the last
// file chosen, proposing the configuration's name; then the file, or a
// message saying why not.
class Exportation {
public:
    void enregistrerGraphe(Prompter& prompter, QWidget* parent, const Vues& vues);
    void enregistrerTableau(Prompter& prompter, QWidget* parent, const Vues& vues);

private:
    std::optional<QString> demander(Prompter& prompter, QWidget* parent, const QString& titre,
                                    const QString& filtre, const QString& propose);

    QString repertoire_; // empty until a file is chosen
};

} // namespace vedo
