#include "platform/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace vedo {

QFont policeArial(double points, bool gras, bool italique) {
    QFont police(QStringLiteral("Arial"));
    // Sizes in pixels keep the text metrics of the designed layout whatever
    // the screen's logical resolution.
    police.setPixelSize(qRound(points * 96.0 / 72.0));
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), police_(policeArial()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(fond_);
}

void PictureBox::setFond(const QColor& couleur) {
    fond_ = couleur;
    effacer();
}

QImage& PictureBox::imageADessiner() {
    ajusterImage();
    update();
    return image_;
}

void PictureBox::effacer() {
    ajusterImage();
    image_.fill(fond_);
    courant_ = origine_;
    update();
}

QPoint PictureBox::versImage(QPointF p) const {
    return {qRound(p.x() - origine_.x()), qRound(p.y() - origine_.y())};
}

void PictureBox::ligne(QPointF de, QPointF a, const QColor& couleur) {
    ajusterImage();
    const QPoint p1 = versImage(de);
    const QPoint p2 = versImage(a);
    if (p1 == p2) return;
    const bool finDansImage = image_.rect().contains(p2);
    const QRgb fin = finDansImage ? image_.pixel(p2) : 0;
    {
        QPainter peintre(&image_);
        peintre.setPen(QPen(couleur, epaisseur_, Qt::SolidLine, Qt::FlatCap));
        peintre.drawLine(p1, p2);
    }
    if (finDansImage && epaisseur_ == 1) image_.setPixel(p2, fin);
    courant_ = a;
    update();
}

void PictureBox::rectangle(QPointF coin1, QPointF coin2, const QColor& couleur, bool plein) {
    ajusterImage();
    const QRect r = QRect(versImage(coin1), versImage(coin2)).normalized();
    QPainter peintre(&image_);
    if (plein) {
        peintre.fillRect(r, couleur);
    } else if (epaisseur_ == 1) {
        // A thin outline is the rectangle's edge rows and columns: filling
        // them costs a fraction of stroking them.
        peintre.fillRect(r.x(), r.y(), r.width(), 1, couleur);
        peintre.fillRect(r.x(), r.bottom(), r.width(), 1, couleur);
        peintre.fillRect(r.x(), r.y(), 1, r.height(), couleur);
        peintre.fillRect(r.right(), r.y(), 1, r.height(), couleur);
    } else {
        peintre.setPen(QPen(couleur, epaisseur_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        peintre.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
    }
    courant_ = coin2;
    update();
}

void PictureBox::point(QPointF p, const QColor& couleur) {
    ajusterImage();
    const QPoint q = versImage(p);
    QPainter peintre(&image_);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(couleur);
    const int cote = epaisseur_;
    peintre.drawRect(q.x() - (cote - 1) / 2, q.y() - (cote - 1) / 2, cote, cote);
    courant_ = p;
    update();
}

void PictureBox::imprimer(const QString& texte, bool finLigne) {
    ajusterImage();
    const QFontMetricsF mesure(police_);
    {
        QPainter peintre(&image_);
        peintre.setFont(police_);
        peintre.setPen(encre_);
        const QPoint p = versImage(courant_);
        peintre.drawText(QPointF(p.x(), p.y() + mesure.ascent()), texte);
    }
    if (finLigne) {
        courant_ = {origine_.x(), courant_.y() + mesure.height()};
    } else {
        courant_.setX(courant_.x() + mesure.horizontalAdvance(texte));
    }
    update();
}

double PictureBox::largeurTexte(const QString& texte) const {
    return QFontMetricsF(police_).horizontalAdvance(texte);
}

double PictureBox::hauteurTexte(const QString&) const {
    // The height of a printed line, whatever its characters.
    return QFontMetricsF(police_).height();
}

QColor PictureBox::pixel(QPointF p) const {
    const QPoint q = versImage(p);
    if (!image_.rect().contains(q)) return {};
    return image_.pixelColor(q);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter peintre(this);
    peintre.drawImage(event->rect(), image_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent*) {
    ajusterImage();
}

void PictureBox::ajusterImage() {
    if (image_.size() == size() || size().isEmpty()) return;
    // The drawing survives a resize; uncovered parts take the back colour.
    QImage agrandie(size(), QImage::Format_RGB32);
    agrandie.fill(fond_);
    QPainter(&agrandie).drawImage(0, 0, image_);
    image_ = std::move(agrandie);
}

} // namespace vedo
