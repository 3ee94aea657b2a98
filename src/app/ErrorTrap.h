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
    explicit ErrorTrap(Platform &platform) : m_platform(platform) {}

    // Runs one step; returns false when it failed (and was reported).
    bool operator()(const std::function<void()> &step);

    // True when no step run through this trap has failed.
    bool clean() const { return m_failures == 0; }

private:
    Platform &m_platform;
    int m_failures = 0;
};
