#pragma once
// The pages of one print job on a printer (or a PDF file), in twips.

#include "output/MiseEnPage.h"

#include <QPainter>

class QPrinter;

namespace vedo {

class FeuillesImprimante : public Feuilles {
public:
    // Starts the job; `ouverte` tells whether the printer accepted it.
    explicit FeuillesImprimante(QPrinter& imprimante);
    bool ouverte() const { return crayon_.isActive(); }
    // Ends the job: the document is sent.
    bool terminer() { return crayon_.end(); }

    QPainter& crayon() override { return crayon_; }
    QSizeF taille() const override { return taille_; }
    void nouvellePage() override;

private:
    QPrinter& imprimante_;
    QPainter crayon_;
    QSizeF taille_;
};

} // namespace vedo
