#include "startup/Desk.h"

#include "startup/TrayProbe.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace {

std::string required(const std::string &program)
{
    const std::string path = Child::find(program);
    if (path.empty())
        throw std::runtime_error(program + " is not installed (apt-get install xvfb trayer dbus)");
    return path;
}

} // namespace

Desk::Desk(const Child::Environment &base) : m_env(base)
{
    // Whatever desktop the benchmark is started from must not take the icons.
    for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "SESSION_MANAGER", "QT_QPA_PLATFORM"})
        m_env.erase(name);

    const std::string bus = startWithDescriptor(
        {required("dbus-daemon"), "--session", "--nofork", "--nopidfile", "--print-address=3"}, m_bus, "dbus-daemon");
    m_env["DBUS_SESSION_BUS_ADDRESS"] = bus;

    // Xvfb picks a free display itself, so parallel desks do not collide.
    const std::string number = startWithDescriptor(
        {required("Xvfb"), "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, m_server, "Xvfb");
    m_display = ':' + number;
    m_env["DISPLAY"] = m_display;
    m_env["QT_QPA_PLATFORM"] = "xcb";

    m_tray = std::make_unique<Child>(std::vector<std::string>{required("trayer"), "--edge", "top", "--align", "right",
                                                              "--widthtype", "pixel", "--width", "160", "--height",
                                                              "24", "--SetDockType", "true", "--transparent", "false",
                                                              "--tint", "0x808080"},
                                     m_env, std::string());
    m_probe = std::make_unique<TrayProbe>(m_display);
    waitForPanel();
}

Desk::~Desk()
{
    m_probe.reset();
    m_tray.reset();
    m_server.reset();
    m_bus.reset();
}

std::string Desk::startWithDescriptor(const std::vector<std::string> &argv, std::unique_ptr<Child> &child,
                                      const std::string &what)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    child = std::make_unique<Child>(argv, m_env, std::string(), ends[1]);
    close(ends[1]);
    const std::string line = Child::readLine(ends[0], 10000);
    close(ends[0]);
    if (line.empty())
        throw std::runtime_error(what + " did not start");
    return line;
}

void Desk::waitForPanel()
{
    for (int i = 0; i < 500; ++i) {
        if (m_probe->panelReady())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    throw std::runtime_error("trayer's panel did not appear");
}
