#pragma once

#include <QLoggingCategory>
#include <QString>
#include <functional>

class Platform;

// Where the quiet trap writes the failures it does not show (QT_LOGGING_RULES="feastbook.trap=false"
// silences it).
Q_DECLARE_LOGGING_CATEGORY(ErrorTrapLog)

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
    // Quiet: a failing step is skipped without a message box and written to the log instead.
    // Only for handlers that run many times in a row without the user asking (a window being
    // sized), where a box per event would flood the screen.
    enum Mode { Report, Quiet };

    explicit ErrorTrap(Platform &platform, Mode mode = Report) : m_platform(platform), m_mode(mode) {}

    // Runs one step; returns false when it failed (and was reported).
    bool operator()(const std::function<void()> &step);

    // Reports what a handler found wrong without failing: like a failed step, but with the text
    // given.
    void report(const QString &text);

private:
    Platform &m_platform;
    Mode m_mode;
};
