#pragma once
// What assistive technologies see of the tab strip: a list of five tabs, the
// active one selected and, while the strip has the focus, focused; each tab
// can be pressed. The panels follow the tabs among the strip's children.

namespace vedo {

class BandeOnglets;

// Lets the accessibility framework describe every strip this way.
void installerOngletsAccessibles();
// Tells assistive technologies which tab is now active.
void annoncerOngletActif(BandeOnglets& bande);

} // namespace vedo
