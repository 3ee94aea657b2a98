#pragma once

#include <string>
#include <sys/types.h>
#include <xcb/xcb.h>

// Looks at the tray host's windows from outside: a program's icon is docked once a window that
// the program made (its _NET_WM_PID) is mapped and viewable inside the tray's panel. Nothing
// in the programs is changed to be measured, so the bare program and the real one are timed
// alike.
class TrayProbe
{
public:
    explicit TrayProbe(const std::string &display);
    TrayProbe(const TrayProbe &) = delete;
    TrayProbe &operator=(const TrayProbe &) = delete;
    ~TrayProbe();

    // Whether the tray host's panel is there yet.
    bool panelReady();
    // Whether an icon of process pid is docked and viewable in the panel.
    bool docked(pid_t pid);
    // Whether the panel holds any icon at all (from any process).
    bool holdsIcons();

private:
    xcb_window_t findPanel();
    bool isPanel(xcb_window_t window);
    // Calls visit on every window below the panel until it returns true.
    template <typename Visit> bool anyBelow(xcb_window_t window, Visit &&visit);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_window_t m_panel = 0;
    xcb_atom_t m_pidAtom = 0;
    xcb_atom_t m_classAtom = 0;
};
