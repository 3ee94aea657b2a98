#pragma once

#include <functional>

class Platform;

// The program-wide error trap: a handler is written as steps, each run through the trap. A
// failing step is reported in a message box with the error's description and the handler
// goes on with its next step.
//
//     ErrorTrap trap(platform);
//     trap([&] { readSetting(); });
//     trap([&] { computeTooltip(); });
class ErrorTrap
{
public:
    // Quiet: a failing step is skipped without a message. Only for handlers that run many
    // times in a row without the user asking (a window being sized), where a box per event
    // would flood the screen.
    enum Mode { Report, Quiet };

    explicit ErrorTrap(Platform &platform, Mode mode = Report) : m_platform(platform), m_mode(mode) {}

    // Runs one step; returns false when it failed (and was reported).
    bool operator()(const std::function<void()> &step);

private:
    Platform &m_platform;
    Mode m_mode;
};
