#pragma once
// Plain pop-up menus built from Qt's lists of captions.

#include "platform/ElementMenu.h"

#include <QList>
#include <QStringList>

namespace vedo {

// Items whose choices are their indices; a separator is an empty caption.
// Without `actifs`, every item is enabled.
ElementsMenu menuSimple(const QStringList& legendes, const QList<bool>& actifs = {});

} // namespace vedo
