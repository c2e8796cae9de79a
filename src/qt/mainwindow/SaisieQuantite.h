#pragma once
// The keyboard and focus rules of the four amount boxes: only digits, the
// comma and backspace are typed (a full stop becomes a comma); Enter and
// leaving a box validate the amounts.

#include <QObject>

#include <functional>

class QLineEdit;

namespace vedo {

class SaisieQuantite : public QObject {
    Q_OBJECT
public:
    // `valider` receives the index of the box to validate.
    explicit SaisieQuantite(std::function<void(int)> valider, QObject* parent = nullptr);

    void surveiller(QLineEdit* boite, int index);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    std::function<void(int)> valider_;
};

} // namespace vedo
