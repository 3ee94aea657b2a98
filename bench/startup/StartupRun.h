#pragma once

#include "startup/Child.h"

#include <string>
#include <vector>

class Desk;

// Starts programs one at a time on the desk, times each to its icon docked, reads its memory
// once it has settled, ends it, and reports medians side by side.
class StartupRun
{
public:
    struct Program
    {
        std::string name;
        std::vector<std::string> argv;
    };

    StartupRun(Desk &desk, const Child::Environment &env, const std::string &folder, int settleMs);

    // Runs both programs alternately, runs times each after one warm-up, and prints the runs,
    // the medians and the ratios of the second program to the first.
    void compare(const Program &reference, const Program &measured, int runs);

private:
    struct Sample
    {
        double dockMs = 0;
        double cpuMs = 0;
        Child::Memory memory;
    };

    Sample measure(const Program &program);
    void waitUntilTrayEmpty();

    Desk &m_desk;
    Child::Environment m_env;
    std::string m_folder;
    int m_settleMs;
};
