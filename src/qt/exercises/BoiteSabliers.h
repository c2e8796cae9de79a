#pragma once
// The working-time box of the exercise window: its text is a row of "⌛",
// one per unit of time, and each one is drawn as a picture, so that it shows
// whatever fonts the machine has.

#include <QFrame>

namespace vedo {

class BoiteSabliers : public QFrame {
    Q_OBJECT
public:
    explicit BoiteSabliers(QWidget* parent = nullptr);

    QString text() const { return texte_; }
    void setText(const QString& texte);
    void clear() { setText(QString()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString texte_;
};

} // namespace vedo
