#pragma once
// The frame the window manager puts around a top-level window. Before the
// window is first shown it is asked for, where the window manager can tell it
// in advance (X11 window managers that answer _NET_REQUEST_FRAME_EXTENTS), so
// that the very first frame of a window already has its outer size.

#include <QMargins>

class QWidget;

namespace vedo {

// The frame of `fenetre` now, or the one it will get when first shown; none
// when nothing can tell.
QMargins bordsFenetre(QWidget& fenetre);

} // namespace vedo
