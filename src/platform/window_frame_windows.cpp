#include "platform/window_frame.h"

#include <QWidget>
#include <QWindow>

namespace platform {

// Windows computes a window's frame from its style as soon as the native
// window exists, shown or not, so Qt knows it before the first show.
QMargins frameMargins(QWidget& window)
{
    if (!window.isWindow())
        return {};
    window.winId();  // the native window carries the style that decides its frame
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

}  // namespace platform
