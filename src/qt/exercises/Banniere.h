#pragma once
// The banner `tito` of the exercise window, its picture drawn by the core.

#include "view/DessinBanniere.h"

#include <QWidget>

namespace vedo {

class Banniere : public QWidget {
    Q_OBJECT
public:
    explicit Banniere(const QString& texte, QWidget* parent = nullptr);

    QString texte() const { return texte_; }
    // Left edge of the first letter.
    static constexpr int marge = margeBanniere;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString texte_;
};

} // namespace vedo
