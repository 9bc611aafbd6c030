#pragma once

#include <QMargins>

class QWidget;

namespace platform {

// The frame the window manager draws around a top-level window (title bar
// and borders), in the window's own units. Qt learns it only once the window
// manager has framed a shown window; to place a window by its outer size
// before it is first shown, the window manager is asked in advance (on X11,
// through _NET_REQUEST_FRAME_EXTENTS). Without a window manager, or on a
// platform that does not tell, the margins are empty.
QMargins frameMargins(QWidget& window);

}  // namespace platform
