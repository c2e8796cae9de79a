#pragma once
// Pages painted into images at screen scale (one pixel per 15 twips), so
// that the tests read the layout pixel by pixel.

#include "output/MiseEnPage.h"

#include <QImage>
#include <QPainter>
#include <QtMath>

#include <deque>

class FeuillesImages : public vedo::Feuilles {
public:
    explicit FeuillesImages(QSizeF taille) : taille_(taille) { commencer(); }
    ~FeuillesImages() override {
        if (crayon_.isActive()) crayon_.end();
    }

    QPainter& crayon() override { return crayon_; }
    QSizeF taille() const override { return taille_; }
    void nouvellePage() override {
        crayon_.end();
        commencer();
    }

    // The pages, once painting is over.
    const std::deque<QImage>& pages() {
        if (crayon_.isActive()) crayon_.end();
        return pages_;
    }

private:
    void commencer() {
        pages_.emplace_back(qCeil(taille_.width() / vedo::twipsParPixel),
                            qCeil(taille_.height() / vedo::twipsParPixel), QImage::Format_RGB32);
        pages_.back().fill(Qt::white);
        crayon_.begin(&pages_.back());
        crayon_.scale(1.0 / vedo::twipsParPixel, 1.0 / vedo::twipsParPixel);
    }

    QSizeF taille_;
    std::deque<QImage> pages_;
    QPainter crayon_;
};
