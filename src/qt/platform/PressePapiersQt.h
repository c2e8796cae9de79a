#pragma once
// The core's clipboard on the system's, through Qt.

#include "platform/PressePapiers.h"

namespace vedo {

class PressePapiersQt : public PressePapiers {
public:
    void copierTexte(const std::string& texte) override;
};

} // namespace vedo
