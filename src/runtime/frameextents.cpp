#include "frameextents.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace rt {

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

struct Atoms
{
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
};

Atoms InternAtoms(xcb_connection_t *connection)
{
    auto ask = [connection](const char *name) {
        return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    };
    // Sent together: one round trip for the three.
    const xcb_intern_atom_cookie_t supported = ask("_NET_SUPPORTED");
    const xcb_intern_atom_cookie_t request = ask("_NET_REQUEST_FRAME_EXTENTS");
    const xcb_intern_atom_cookie_t extents = ask("_NET_FRAME_EXTENTS");
    auto atom = [connection](xcb_intern_atom_cookie_t cookie) {
        const auto reply = Owned(xcb_intern_atom_reply(connection, cookie, nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    return {atom(supported), atom(request), atom(extents)};
}

// True when a window manager runs that answers a request for the frame extents.
bool ManagerAnswers(xcb_connection_t *connection, xcb_window_t root, const Atoms &atoms)
{
    const auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atoms.supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *listed = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(listed, listed + count, atoms.request) != listed + count;
}

std::optional<QMargins> ReadExtents(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t extents)
{
    const auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3]));
}

} // namespace

std::optional<QMargins> RequestFrameExtents(QWidget *window, std::chrono::milliseconds wait)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // The offscreen platform offers the interface too, without a connection.
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto tree = Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree)
        return std::nullopt;
    const Atoms atoms = InternAtoms(connection);
    if (!ManagerAnswers(connection, tree->root, atoms))
        return QMargins();

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = atoms.request;
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);

    // The answer is a property on the window; the toolkit reads the connection's events itself,
    // so the property is polled, with a short pause for the manager to be scheduled.
    static std::optional<QMargins> s_lastAnswer;
    // A manager that once let the wait run out is not waited for again: every later window would
    // stall the event loop as long.
    static bool s_silent = false;
    const auto deadline = std::chrono::steady_clock::now() + (s_silent ? std::chrono::milliseconds(0) : wait);
    for (;;) {
        if (auto extents = ReadExtents(connection, id, atoms.extents)) {
            s_lastAnswer = extents;
            return extents;
        }
        // A manager too slow to answer most likely frames this window as it framed the last.
        if (std::chrono::steady_clock::now() >= deadline) {
            s_silent = true;
            return s_lastAnswer;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

} // namespace rt
