// Times the whole of feastbook-gen's work for 2000-2003 in-process: computing both calendars,
// composing every text and writing the SQLite file. The target is well under half a second.

#include "tools/CalendarRows.h"
#include "tools/DatabaseWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

int main()
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "feastbook-bench";
    fs::create_directories(folder);
    const std::string path = (folder / "feastbook.mdb").string();

    constexpr int Runs = 10;
    double best = 1e9;
    double total = 0;
    for (int i = 0; i < Runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto rows = gen::buildCalendarRows(2000, 4);
        gen::writeCalendarDatabase(rows, path, true);
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
        total += elapsed.count();
    }
    fs::remove_all(folder);
    std::printf(
        "generate 2000-2003 (1461 days, both calendars, SQLite file): best %.1f ms, mean %.1f ms over %d runs\n", best,
        total / Runs, Runs);
    return 0;
}
