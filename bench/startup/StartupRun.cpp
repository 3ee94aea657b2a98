#include "startup/StartupRun.h"

#include "startup/Desk.h"
#include "startup/TrayProbe.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto PollInterval = std::chrono::milliseconds(2);
constexpr auto DockTimeout = std::chrono::seconds(20);

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double mib(long kib)
{
    return double(kib) / 1024.0;
}

void printSample(const char *label, const char *name, double dockMs, double rss, double hwm, double anon, double file,
                 double cpu)
{
    std::printf("%-8s %-10s %9.1f %9.1f %9.1f %9.1f %9.1f %8.0f\n", label, name, dockMs, rss, hwm, anon, file, cpu);
}

} // namespace

StartupRun::StartupRun(Desk &desk, const Child::Environment &env, const std::string &folder, int settleMs)
    : m_desk(desk), m_env(env), m_folder(folder), m_settleMs(settleMs)
{}

StartupRun::Sample StartupRun::measure(const Program &program)
{
    TrayProbe &probe = m_desk.probe();
    Sample sample;
    const Clock::time_point start = Clock::now();
    Child child(program.argv, m_env, m_folder);
    while (!probe.docked(child.pid())) {
        if (!child.running())
            throw std::runtime_error(program.name + " ended before its icon docked");
        if (Clock::now() - start > DockTimeout)
            throw std::runtime_error(program.name + ": no icon docked in the tray");
        std::this_thread::sleep_for(PollInterval);
    }
    sample.dockMs = msSince(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(m_settleMs));
    sample.memory = child.memory();
    sample.cpuMs = child.stop();
    waitUntilTrayEmpty();
    return sample;
}

// The tray host has undocked the last icon before the next program starts.
void StartupRun::waitUntilTrayEmpty()
{
    const Clock::time_point start = Clock::now();
    while (m_desk.probe().holdsIcons() && Clock::now() - start < std::chrono::seconds(5))
        std::this_thread::sleep_for(PollInterval);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void StartupRun::compare(const Program &reference, const Program &measured, int runs)
{
    measure(reference);
    measure(measured);
    std::vector<Sample> samples[2];
    const Program *programs[2] = {&reference, &measured};
    std::printf("%-8s %-10s %9s %9s %9s %9s %9s %8s\n", "", "program", "dock ms", "RSS MiB", "HWM MiB", "anon MiB",
                "file MiB", "CPU ms");
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so that neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const int which = (run % 2 == 0) ? k : 1 - k;
            const Sample s = measure(*programs[which]);
            samples[which].push_back(s);
            printSample(("run " + std::to_string(run + 1)).c_str(), programs[which]->name.c_str(), s.dockMs,
                        mib(s.memory.rss), mib(s.memory.hwm), mib(s.memory.anon), mib(s.memory.file), s.cpuMs);
        }
    }
    double medians[2][6];
    for (int which = 0; which < 2; ++which) {
        const auto of = [&](auto field) {
            std::vector<double> values;
            for (const Sample &s : samples[which])
                values.push_back(field(s));
            return median(values);
        };
        medians[which][0] = of([](const Sample &s) { return s.dockMs; });
        medians[which][1] = of([](const Sample &s) { return mib(s.memory.rss); });
        medians[which][2] = of([](const Sample &s) { return mib(s.memory.hwm); });
        medians[which][3] = of([](const Sample &s) { return mib(s.memory.anon); });
        medians[which][4] = of([](const Sample &s) { return mib(s.memory.file); });
        medians[which][5] = of([](const Sample &s) { return s.cpuMs; });
        printSample("median", programs[which]->name.c_str(), medians[which][0], medians[which][1], medians[which][2],
                    medians[which][3], medians[which][4], medians[which][5]);
    }
    const auto ratio = [&](int i) { return medians[0][i] > 0 ? medians[1][i] / medians[0][i] : 0.0; };
    std::printf("%-8s %-10s %8.2fx %8.2fx %8.2fx %8.2fx %8.2fx %7.2fx\n", "ratio", "", ratio(0), ratio(1), ratio(2),
                ratio(3), ratio(4), ratio(5));
}
