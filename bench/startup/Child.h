#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started by the benchmark, in a folder and an environment of its own. Ended (and
// reaped) when the object goes, so no run leaves a process behind.
class Child
{
public:
    using Environment = std::map<std::string, std::string>;

    // What /proc says of the process's memory, in KiB.
    struct Memory
    {
        long rss = 0;
        long hwm = 0;
        long anon = 0;
        long file = 0;
    };

    // passFd, when given, is open in the program as descriptor 3 (for -displayfd and the like).
    Child(const std::vector<std::string> &argv, const Environment &env, const std::string &folder, int passFd = -1);
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child();

    pid_t pid() const { return m_pid; }
    // Whether the process still runs; one that has ended is reaped.
    bool running();
    Memory memory() const;
    // Ends the process and returns the CPU time it used, in milliseconds.
    double stop();

    // Reads one line that a program writes to the descriptor it was passed, waiting at most
    // timeoutMs; an empty string when nothing came.
    static std::string readLine(int fd, int timeoutMs);
    // Runs a command to its end and returns what it printed.
    static std::string output(const std::vector<std::string> &argv, const Environment &env);
    // The full path of a program found on PATH, or an empty string.
    static std::string find(const std::string &program);
    // The environment of this process, as a map to change.
    static Environment currentEnvironment();

private:
    pid_t m_pid = -1;
};
