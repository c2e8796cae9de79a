#pragma once
// A picture box: a widget that owns a persistent image. Everything drawn goes
// into the image and stays until the picture is cleared; the paint event only
// shows it. Drawing takes user coordinates, whose origin is the user point
// shown at the widget's top-left corner (the graph shifts it, for example).
// Text is printed at a current position that moves like a printed line.
// The drawing itself is the core's (`Toile`, on the box's `Surface`); this
// is its Qt face.

#include "drawing/Toile.h"
#include "platform/DessinQt.h"
#include "platform/SurfaceImage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QWidget>

namespace vedo {

// "Arial" at a size in points, on the 96-dpi grid the layout was designed on.
QFont policeArial(double points = 8, bool gras = false, bool italique = false);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The surface of the image, for pictures drawn by the core; what is
    // drawn on it shows at the next paint.
    Surface& surface() { return surface_; }
    Toile& toile() { return toile_; }

    // Back colour: the colour `effacer` fills with.
    QColor fond() const { return couleurQt(toile_.fond()); }
    void setFond(const QColor& couleur);

    // The user point shown at the widget's top-left corner.
    QPointF origine() const { return pointQt(toile_.origine()); }
    void setOrigine(const QPointF& origine) { toile_.setOrigine(pointDe(origine)); }

    // Fills the image with the back colour; the current position returns to
    // the origin.
    void effacer() { toile_.effacer(); }

    QColor encre() const { return couleurQt(toile_.encre()); }
    void setEncre(const QColor& couleur) { toile_.setEncre(couleurDe(couleur)); }
    int epaisseur() const { return toile_.epaisseur(); }
    void setEpaisseur(int pixels) { toile_.setEpaisseur(pixels); }

    // A font of `policeArial`.
    void setPolice(const QFont& police) { toile_.setPolice(policeDe(police)); }
    void setGras(bool gras) { toile_.setGras(gras); }
    void setItalique(bool italique) { toile_.setItalique(italique); }

    // Lines leave out their last point, so that joined segments do not
    // draw their shared point twice.
    void ligne(QPointF de, QPointF a, const QColor& couleur) {
        toile_.ligne(pointDe(de), pointDe(a), couleurDe(couleur));
    }
    void ligne(QPointF de, QPointF a) { toile_.ligne(pointDe(de), pointDe(a)); }
    // Outline or filled rectangle between two corners (see Surface::rectangle).
    void rectangle(QPointF coin1, QPointF coin2, const QColor& couleur, bool plein = false) {
        toile_.rectangle(pointDe(coin1), pointDe(coin2), couleurDe(couleur), plein);
    }
    void point(QPointF p, const QColor& couleur) { toile_.point(pointDe(p), couleurDe(couleur)); }

    double courantX() const { return toile_.courant().x; }
    double courantY() const { return toile_.courant().y; }
    void placer(double x, double y) { toile_.placer(x, y); }
    void setCourantX(double x) { toile_.setCourantX(x); }
    void setCourantY(double y) { toile_.setCourantY(y); }

    // Prints at the current position in the ink colour. Ending the line
    // returns to the left margin one text height lower; otherwise the
    // position moves just after the text.
    void imprimer(const QString& texte, bool finLigne = true) {
        toile_.imprimer(texte.toStdString(), finLigne);
    }
    double largeurTexte(const QString& texte) const { return toile_.largeurTexte(texte.toStdString()); }
    // The height of a printed line, whatever its characters.
    double hauteurTexte(const QString& = QStringLiteral("W")) const { return toile_.hauteurTexte(); }

    // A pixel of the image at a user point (tests and readouts).
    QColor pixel(QPointF p) const;
    const QImage& image() const { return image_; }
    // The image for drawing of one's own, at the widget's size; shown at the
    // next paint.
    QImage& imageADessiner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Follows the widget's size, even before the first showing.
    void ajusterImage();

    QImage image_;
    SurfaceImage surface_;
    Toile toile_;
};

} // namespace vedo
