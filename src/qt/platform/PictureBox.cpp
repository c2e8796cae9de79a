#include "platform/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace vedo {

QFont policeArial(double points, bool gras, bool italique) {
    return policeQt({"Arial", points, gras, italique});
}

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), surface_(
                           [this]() -> QImage& {
                               ajusterImage();
                               return image_;
                           },
                           [this] { update(); }),
      toile_(surface_) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(fond());
}

void PictureBox::setFond(const QColor& couleur) {
    toile_.setFond(couleurDe(couleur));
    effacer();
}

QImage& PictureBox::imageADessiner() {
    ajusterImage();
    update();
    return image_;
}

QColor PictureBox::pixel(QPointF p) const {
    const Pixel q = toile_.versImage(pointDe(p));
    if (!image_.rect().contains(q.x, q.y)) return {};
    return image_.pixelColor(q.x, q.y);
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
    agrandie.fill(fond());
    QPainter(&agrandie).drawImage(0, 0, image_);
    image_ = std::move(agrandie);
}

} // namespace vedo
