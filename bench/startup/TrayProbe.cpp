#include "startup/TrayProbe.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// xcb hands out replies that the caller frees.
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t *c, xcb_window_t window)
{
    auto reply = owned(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!reply)
        return {};
    const xcb_window_t *first = xcb_query_tree_children(reply.get());
    return {first, first + xcb_query_tree_children_length(reply.get())};
}

} // namespace

TrayProbe::TrayProbe(const std::string &display)
{
    m_connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("cannot connect to the X server " + display);
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    m_pidAtom = atom("_NET_WM_PID");
    m_classAtom = XCB_ATOM_WM_CLASS;
}

TrayProbe::~TrayProbe()
{
    xcb_disconnect(m_connection);
}

xcb_atom_t TrayProbe::atom(const char *name)
{
    auto reply = owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// trayer's panel is the top-level window of class "panel", "trayer".
bool TrayProbe::isPanel(xcb_window_t window)
{
    auto reply = owned(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_classAtom, XCB_ATOM_STRING, 0, 64), nullptr));
    if (!reply)
        return false;
    const auto *text = static_cast<const char *>(xcb_get_property_value(reply.get()));
    const std::string wmClass(text, size_t(xcb_get_property_value_length(reply.get())));
    return wmClass == std::string("panel\0trayer\0", 13);
}

xcb_window_t TrayProbe::findPanel()
{
    if (m_panel == 0) {
        for (xcb_window_t window : childrenOf(m_connection, m_root)) {
            if (isPanel(window)) {
                m_panel = window;
                break;
            }
        }
    }
    return m_panel;
}

bool TrayProbe::panelReady()
{
    return findPanel() != 0;
}

template <typename Visit> bool TrayProbe::anyBelow(xcb_window_t window, Visit &&visit)
{
    for (xcb_window_t child : childrenOf(m_connection, window)) {
        if (visit(child) || anyBelow(child, visit))
            return true;
    }
    return false;
}

bool TrayProbe::docked(pid_t pid)
{
    const xcb_window_t panel = findPanel();
    if (panel == 0)
        return false;
    return anyBelow(panel, [&](xcb_window_t window) {
        auto property = owned(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!property || xcb_get_property_value_length(property.get()) != 4
            || *static_cast<const uint32_t *>(xcb_get_property_value(property.get())) != uint32_t(pid))
            return false;
        auto attributes = owned(
            xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    });
}

bool TrayProbe::holdsIcons()
{
    const xcb_window_t panel = findPanel();
    return panel != 0 && anyBelow(panel, [&](xcb_window_t window) {
               auto property = owned(xcb_get_property_reply(
                   m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                   nullptr));
               return property && xcb_get_property_value_length(property.get()) == 4;
           });
}
