// Start-up footprint of the resident program against a bare Qt tray program (bench_bare_tray),
// side by side on one private desktop: Xvfb, a session bus of its own and trayer as the tray
// host (XEmbed). Each run starts one program in a folder holding a calendar of the current
// years and measures
//   - the time from the start of the process to its icon docked in the tray, seen from outside
//     (a window of the process mapped and viewable inside trayer's panel), and
//   - resident memory (VmRSS, VmHWM, RssAnon, RssFile from /proc) once the icon has docked and
//     the program has settled,
// then ends it. The programs run alternately, one warm-up run each first; medians and the
// ratios to the bare program are reported.
//
//   bench_startup [--runs N] [--settle MS] [--fonts DIR]... [--font-rules PATH]... [--calendar FILE]
//                 [--program PATH] [--bare PATH] [--bare-arg ARG]...
#include "startup/Child.h"
#include "startup/Desk.h"
#include "startup/FontSetup.h"
#include "startup/StartupRun.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Options
{
    int runs = 5;
    int settleMs = 1000;
    std::vector<std::string> fontFolders;
    std::vector<std::string> fontRules;
    std::string calendar;
    std::string program;
    std::string bare;
    std::vector<std::string> bareArgs;
};

[[noreturn]] void usage()
{
    std::fputs("usage: bench_startup [--runs N] [--settle MS] [--fonts DIR]... [--font-rules PATH]...\n"
               "                     [--calendar FILE] [--program PATH] [--bare PATH] [--bare-arg ARG]...\n"
               "  --fonts DIR        add the fonts of DIR to the machine's (repeatable)\n"
               "  --font-rules PATH  add a fontconfig file, or a folder of them (repeatable)\n"
               "  --calendar FILE    the calendar to start with (default: the current four years, computed)\n"
               "  --program PATH     the program to measure (default: feastbook beside this benchmark)\n",
               stderr);
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options options;
    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    options.program = here / "feastbook";
    options.bare = here / "bench_bare_tray";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usage();
            return argv[++i];
        };
        if (arg == "--runs")
            options.runs = std::max(1, std::atoi(value().c_str()));
        else if (arg == "--settle")
            options.settleMs = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--fonts")
            options.fontFolders.push_back(fs::absolute(value()));
        else if (arg == "--font-rules")
            options.fontRules.push_back(fs::absolute(value()));
        else if (arg == "--calendar")
            options.calendar = fs::absolute(value());
        else if (arg == "--program")
            options.program = fs::absolute(value());
        else if (arg == "--bare")
            options.bare = fs::absolute(value());
        else if (arg == "--bare-arg")
            options.bareArgs.push_back(value());
        else
            usage();
    }
    return options;
}

int currentYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// The calendar in the folder the programs start in: the one given, or the four years from
// this one, so that today is in it and the tip is today's, as on a user's desktop.
void placeCalendar(const Options &options, const fs::path &folder, const Child::Environment &env)
{
    const fs::path target = folder / "feastbook.mdb";
    if (!options.calendar.empty()) {
        fs::copy_file(options.calendar, target);
        return;
    }
    const fs::path generator = fs::path(options.program).parent_path() / "feastbook-gen";
    Child::output({generator, "--first-year", std::to_string(currentYear()), "--years", "4", "-o", target}, env);
}

// Settings, runtime and data folders of the benchmark's own, so that no user's setting or
// calendar is read and no running copy of the program is found.
Child::Environment programEnvironment(const Child::Environment &desk, const fs::path &folder)
{
    Child::Environment env = desk;
    for (const char *name : {"config", "data", "cache", "runtime"}) {
        const fs::path sub = folder / name;
        fs::create_directories(sub);
        fs::permissions(sub, fs::perms::owner_all, fs::perm_options::replace);
    }
    env["XDG_CONFIG_HOME"] = folder / "config";
    env["XDG_DATA_HOME"] = folder / "data";
    env["XDG_CACHE_HOME"] = folder / "cache";
    env["XDG_RUNTIME_DIR"] = folder / "runtime";
    return env;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    char folderTemplate[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(folderTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = folderTemplate;
    int status = 0;
    try {
        Child::Environment base = Child::currentEnvironment();
        const FontSetup fonts(options.fontFolders, options.fontRules, folder, base);
        Desk desk(base);
        const Child::Environment env = programEnvironment(desk.environment(), folder);
        placeCalendar(options, folder, env);

        std::vector<std::string> bare{options.bare};
        bare.insert(bare.end(), options.bareArgs.begin(), options.bareArgs.end());
        StartupRun run(desk, env, folder, options.settleMs);
        std::printf("tray host: trayer (XEmbed) on Xvfb %s with a private session bus; %d fonts; "
                    "%d runs each after one warm-up, memory read %d ms after docking\n",
                    desk.display().c_str(), fonts.count(), options.runs, options.settleMs);
        run.compare({"bare", bare}, {"feastbook", {options.program}}, options.runs);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        status = 1;
    }
    fs::remove_all(folder);
    return status;
}
