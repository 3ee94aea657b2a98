#pragma once

#include "startup/Child.h"

#include <memory>
#include <string>
#include <vector>

class TrayProbe;

// A private desktop for the measurement: an Xvfb screen, a session bus of its own (as a
// desktop has one; no StatusNotifierItem host is on it, so Qt docks by XEmbed) and trayer as
// the tray host. Everything it starts ends with it.
class Desk
{
public:
    explicit Desk(const Child::Environment &base);
    ~Desk();

    const std::string &display() const { return m_display; }
    // The environment the measured programs get: this desk's display and bus.
    Child::Environment environment() const { return m_env; }
    TrayProbe &probe() { return *m_probe; }

private:
    std::string startWithDescriptor(const std::vector<std::string> &argv, std::unique_ptr<Child> &child,
                                    const std::string &what);
    void waitForPanel();

    Child::Environment m_env;
    std::string m_display;
    std::unique_ptr<Child> m_bus;
    std::unique_ptr<Child> m_server;
    std::unique_ptr<Child> m_tray;
    std::unique_ptr<TrayProbe> m_probe;
};
