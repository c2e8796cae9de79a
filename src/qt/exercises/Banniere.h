#pragma once
// The banner `tito` of the exercise window: its title written letter by
// letter, from pale yellow to white, on a dark band.

#include <QColor>
#include <QWidget>

namespace vedo {

class Banniere : public QWidget {
    Q_OBJECT
public:
    explicit Banniere(const QString& texte, QWidget* parent = nullptr);

    QString texte() const { return texte_; }
    // The colour of the letter at `position` (from 1) of a text of `longueur` letters.
    static QColor couleurLettre(int position, int longueur);
    // Left edge of the first letter.
    static constexpr int marge = 30;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString texte_;
};

} // namespace vedo
