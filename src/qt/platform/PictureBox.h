#pragma once
// A picture box: a widget that owns a persistent image. Everything drawn goes
// into the image and stays until the picture is cleared; the paint event only
// shows it. Drawing takes user coordinates, whose origin is the user point
// shown at the widget's top-left corner (the graph shifts it, for example).
// Text is printed at a current position that moves like a printed line.

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

    // Back colour: the colour `effacer` fills with.
    QColor fond() const { return fond_; }
    void setFond(const QColor& couleur);

    // The user point shown at the widget's top-left corner.
    QPointF origine() const { return origine_; }
    void setOrigine(const QPointF& origine) { origine_ = origine; }

    // Fills the image with the back colour; the current position returns to
    // the origin.
    void effacer();

    QColor encre() const { return encre_; }
    void setEncre(const QColor& couleur) { encre_ = couleur; }
    int epaisseur() const { return epaisseur_; }
    void setEpaisseur(int pixels) { epaisseur_ = pixels < 1 ? 1 : pixels; }

    QFont police() const { return police_; }
    void setPolice(const QFont& police) { police_ = police; }
    void setGras(bool gras) { police_.setBold(gras); }
    void setItalique(bool italique) { police_.setItalic(italique); }

    // Lines leave out their last point, so that joined segments do not
    // draw their shared point twice.
    void ligne(QPointF de, QPointF a, const QColor& couleur);
    void ligne(QPointF de, QPointF a) { ligne(de, a, encre_); }
    // Outline or filled rectangle between two opposite corners, both included.
    void rectangle(QPointF coin1, QPointF coin2, const QColor& couleur, bool plein = false);
    void point(QPointF p, const QColor& couleur);

    double courantX() const { return courant_.x(); }
    double courantY() const { return courant_.y(); }
    void placer(double x, double y) { courant_ = {x, y}; }
    void setCourantX(double x) { courant_.setX(x); }
    void setCourantY(double y) { courant_.setY(y); }

    // Prints at the current position in the ink colour. Ending the line
    // returns to the left margin one text height lower; otherwise the
    // position moves just after the text.
    void imprimer(const QString& texte, bool finLigne = true);
    double largeurTexte(const QString& texte) const;
    double hauteurTexte(const QString& texte = QStringLiteral("W")) const;

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
    QPoint versImage(QPointF p) const;
    // Follows the widget's size, even before the first showing.
    void ajusterImage();

    QImage image_;
    QColor fond_ = Qt::white;
    QColor encre_ = Qt::black;
    QPointF origine_;
    QPointF courant_;
    QFont police_;
    int epaisseur_ = 1;
};

} // namespace vedo
