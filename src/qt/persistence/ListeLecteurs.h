#pragma once
// The drive list: the roots of the machine's file systems (the drives on
// Windows, "/" elsewhere).

#include <QComboBox>

namespace vedo {

class ListeLecteurs : public QComboBox {
    Q_OBJECT
public:
    explicit ListeLecteurs(QWidget* parent = nullptr);

    // Replaces the roots listed (the machine's by default).
    void setRacines(const QStringList& racines);
    // The root of the selected drive, with '/' separators.
    QString lecteur() const;
    // Selects the drive holding `chemin`, without a change signal.
    void setLecteurDe(const QString& chemin);
};

} // namespace vedo
