#include "platform/window_frame.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace platform {

namespace {

using namespace std::chrono_literals;

// A live window manager answers within milliseconds; one that never does
// must not stall the program.
constexpr auto kAnswerTimeout = 250ms;

constexpr const char* kKnownFrame = "netadmin_frame";

// The atoms this file uses, interned once per connection, in one round trip.
struct Atoms {
    xcb_atom_t frameExtents, requestFrameExtents, supported, supportingWmCheck;

    explicit Atoms(xcb_connection_t* c)
    {
        const char* const names[] = {"_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED",
                                     "_NET_SUPPORTING_WM_CHECK"};
        xcb_intern_atom_cookie_t cookies[4];
        for (int i = 0; i < 4; ++i)
            cookies[i] = xcb_intern_atom(c, 0, uint16_t(std::strlen(names[i])), names[i]);
        xcb_atom_t* out[] = {&frameExtents, &requestFrameExtents, &supported, &supportingWmCheck};
        for (int i = 0; i < 4; ++i) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
            *out[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
    }
};

struct X11 {
    xcb_connection_t* c;
    xcb_window_t root;
    const Atoms& atoms;

    // The 32-bit values of a property of the given type, at most `count`.
    std::vector<uint32_t> values(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                                 uint32_t count) const
    {
        std::vector<uint32_t> out;
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, count), nullptr);
        if (reply && reply->format == 32 && reply->type == type) {
            const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
            out.assign(data, data + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return out;
    }

    // _NET_FRAME_EXTENTS: left, right, top, bottom, in device pixels.
    std::optional<QMargins> extents(xcb_window_t window) const
    {
        const auto v = values(window, atoms.frameExtents, XCB_ATOM_CARDINAL, 4);
        if (v.size() != 4)
            return std::nullopt;
        return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }

    // Whether a window manager runs (its check window names itself, so a
    // property left behind by one that has gone does not count) and offers
    // to tell a window's frame before the window is shown.
    bool managerAnswersFrameRequests() const
    {
        const auto child = values(root, atoms.supportingWmCheck, XCB_ATOM_WINDOW, 1);
        if (child.size() != 1 || values(child[0], atoms.supportingWmCheck, XCB_ATOM_WINDOW, 1) != child)
            return false;
        const auto supported = values(root, atoms.supported, XCB_ATOM_ATOM, 4096);
        return std::find(supported.begin(), supported.end(), atoms.requestFrameExtents) != supported.end();
    }

    std::optional<QMargins> requestExtents(xcb_window_t window) const
    {
        if (!managerAnswersFrameRequests())
            return std::nullopt;
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window;
        request.type = atoms.requestFrameExtents;
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(c);
        const auto deadline = std::chrono::steady_clock::now() + kAnswerTimeout;
        do {
            if (auto margins = extents(window))
                return margins;
            std::this_thread::sleep_for(100us);
        } while (std::chrono::steady_clock::now() < deadline);
        return std::nullopt;
    }
};

QMargins scaled(const QMargins& device, qreal ratio)
{
    const auto logical = [ratio](int v) { return int(std::lround(v / ratio)); };
    return {logical(device.left()), logical(device.top()), logical(device.right()), logical(device.bottom())};
}

}  // namespace

QMargins frameMargins(QWidget& window)
{
    // Only the X11 platform has X11 windows (the offscreen one may hold an X
    // connection of its own, for OpenGL).
    const bool xcb = QGuiApplication::platformName() == u"xcb";
    auto* x11 = xcb ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || !window.isWindow()) {
        const QRect outer = window.frameGeometry(), inner = window.geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    }
    xcb_connection_t* c = x11->connection();
    static const Atoms atoms(c);  // the program holds one connection for its life
    const X11 x{c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root, atoms};
    // The native window carries what decides its frame (its kind, its fixed
    // or free size), so it is made now if it does not exist yet. Its frame,
    // once known, is kept with it: asking again costs a wait for the window
    // manager, and only a new native window gets another frame.
    const auto id = xcb_window_t(window.winId());
    const QVariantList known = window.property(kKnownFrame).toList();
    if (known.size() == 5 && known[0].toUInt() == id)
        return {known[1].toInt(), known[2].toInt(), known[3].toInt(), known[4].toInt()};
    std::optional<QMargins> margins = x.extents(id);
    if (!margins)
        margins = x.requestExtents(id);
    if (!margins)
        return {};
    const QMargins m = scaled(*margins, window.devicePixelRatioF());
    window.setProperty(kKnownFrame, QVariantList{uint(id), m.left(), m.top(), m.right(), m.bottom()});
    return m;
}

}  // namespace platform
