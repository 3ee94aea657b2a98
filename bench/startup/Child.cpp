#include "startup/Child.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> result;
    for (std::string &s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> flatten(const Child::Environment &env)
{
    std::vector<std::string> result;
    for (const auto &[name, value] : env)
        result.push_back(name + '=' + value);
    return result;
}

// Everything between fork and exec must be safe in a child of a forked process: no allocation.
[[noreturn]] void execIn(const char *folder, char *const argv[], char *const envp[], int out, int pass = -1)
{
    if (out >= 0)
        dup2(out, STDOUT_FILENO);
    if (pass >= 0)
        dup2(pass, 3); // dup2 clears close-on-exec: the program inherits it
    if (folder && chdir(folder) != 0)
        _exit(126);
    execve(argv[0], argv, envp);
    _exit(127);
}

} // namespace

Child::Child(const std::vector<std::string> &argv, const Environment &env, const std::string &folder, int passFd)
{
    std::vector<std::string> args = argv;
    std::vector<std::string> vars = flatten(env);
    const auto argp = pointers(args);
    const auto envp = pointers(vars);
    // What the programs print would only garble the report.
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    m_pid = fork();
    if (m_pid == 0) {
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        execIn(folder.empty() ? nullptr : folder.c_str(), argp.data(), envp.data(), null, passFd);
    }
    if (null >= 0)
        close(null);
    if (m_pid < 0)
        throw std::runtime_error("fork failed: " + std::string(std::strerror(errno)));
}

Child::~Child()
{
    stop();
}

bool Child::running()
{
    if (m_pid <= 0)
        return false;
    if (waitpid(m_pid, nullptr, WNOHANG) == 0)
        return true;
    m_pid = -1;
    return false;
}

Child::Memory Child::memory() const
{
    Memory memory;
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    const std::pair<const char *, long Memory::*> fields[] = {
        {"VmRSS:", &Memory::rss}, {"VmHWM:", &Memory::hwm}, {"RssAnon:", &Memory::anon}, {"RssFile:", &Memory::file}};
    for (std::string line; std::getline(status, line);) {
        for (const auto &[key, field] : fields) {
            if (line.rfind(key, 0) == 0)
                memory.*field = std::atol(line.c_str() + std::strlen(key));
        }
    }
    return memory;
}

double Child::stop()
{
    if (m_pid <= 0)
        return 0;
    kill(m_pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(m_pid, &status, 0, &usage);
    m_pid = -1;
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

std::string Child::readLine(int fd, int timeoutMs)
{
    std::string line;
    pollfd waiting{fd, POLLIN, 0};
    char c = 0;
    while (poll(&waiting, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

std::string Child::output(const std::vector<std::string> &argv, const Environment &env)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> args = argv;
    std::vector<std::string> vars = flatten(env);
    const auto argp = pointers(args);
    const auto envp = pointers(vars);
    const pid_t pid = fork();
    if (pid == 0)
        execIn(nullptr, argp.data(), envp.data(), pipeEnds[1]);
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(argv.front() + " failed");
    return text;
}

std::string Child::find(const std::string &program)
{
    if (program.find('/') != std::string::npos)
        return access(program.c_str(), X_OK) == 0 ? program : std::string();
    const char *path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + '/' + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

Child::Environment Child::currentEnvironment()
{
    Environment env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        const size_t eq = entry.find('=');
        if (eq != std::string::npos)
            env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    return env;
}
