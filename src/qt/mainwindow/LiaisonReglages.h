#pragma once
// Binds the panels' controls to the window's settings: each control shows one
// record of a configuration. Bound before its other handlers are connected,
// a control writes its change into the settings before they run, so that
// they find the settings as the student sees them.

#include "records/Configuration.h"

#include <functional>
#include <map>
#include <string>

class QAbstractButton;
class QAbstractSlider;
class QComboBox;
class QLineEdit;

namespace vedo {

class LiaisonReglages {
public:
    explicit LiaisonReglages(Configuration& reglages) : reglages_(reglages) {}

    void lier(int numero, QLineEdit* boite);
    void lier(int numero, QComboBox* liste);
    void lier(int numero, QAbstractSlider* barre);
    void lier(int numero, QAbstractButton* bouton);
    // A record shown by something other than a control: `texte` gives it as
    // the record holds it, `montrer` shows the record of a configuration.
    void lier(int numero, std::function<std::string()> texte, std::function<void(const Configuration&)> montrer);

    // Takes the record as its control holds it now.
    void prendre(int numero);
    void prendreTout();
    // Shows record `numero` of `c` as a change by the student would: the
    // control's handlers run.
    void charger(int numero, const Configuration& c);

private:
    struct Vue {
        std::function<std::string()> texte;
        std::function<void(const Configuration&)> montrer;
    };

    Configuration& reglages_;
    std::map<int, Vue> vues_;
};

} // namespace vedo
