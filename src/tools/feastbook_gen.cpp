// feastbook-gen: computes the Roman Rite calendar (Universal and USA) and writes feastbook.mdb.

#include "tools/CalendarRows.h"
#include "tools/DatabaseWriter.h"

#include "liturgy/CivilDate.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace {

using gen::FirstYear;
using gen::LastYear;
constexpr long MaxRows = 1462; // what the calendar grid can hold
constexpr long MinRows = 21;   // one page of the grid

constexpr const char *Usage = "Usage: feastbook-gen [--first-year Y] [--years N] [--format F] [-o PATH] [--force]\n"
                              "\n"
                              "Computes the liturgical calendar of the Roman Rite, the General Roman Calendar and the\n"
                              "calendar of the United States side by side, and writes it as table calendarComplet.\n"
                              "\n"
                              "  --first-year Y  first civil year (1583-4099; default: this year)\n"
                              "  --years N       number of years (default 4; at most 1462 days in all)\n"
                              "  --format F      sqlite (default), access97 (Jet 3) or access2000 (Jet 4)\n"
                              "  -o PATH         database to write (default feastbook.mdb)\n"
                              "  --force         replace PATH if it exists\n"
                              "  --help          show this help\n"
                              "  --version       show the version\n";

struct Options
{
    int firstYear = 0; // this year unless given
    int years = gen::DefaultYears;
    std::string output = "feastbook.mdb";
    gen::CalendarFormat format = gen::CalendarFormat::Sqlite;
    bool force = false;
    bool help = false;
    bool version = false;
};

struct UsageError
{
    std::string message;
};

gen::CalendarFormat parseFormat(std::string_view text)
{
    using gen::CalendarFormat;
    if (text == "sqlite")
        return CalendarFormat::Sqlite;
    if (text == "access97")
        return CalendarFormat::Access97;
    if (text == "access2000")
        return CalendarFormat::Access2000;
    throw UsageError{"--format is sqlite, access97 or access2000, not '" + std::string(text) + "'"};
}

// The creation time an Access file records: SOURCE_DATE_EPOCH where set, so that a build can
// make the same bytes twice, else now.
std::time_t creationTime()
{
    const char *fixed = std::getenv("SOURCE_DATE_EPOCH");
    if (fixed && *fixed) {
        long long seconds = 0;
        const std::string_view text(fixed);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (ec == std::errc() && end == text.data() + text.size())
            return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

int parseNumber(std::string_view option, std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw UsageError{std::string(option) + " needs a whole number, not '" + std::string(text) + "'"};
    return value;
}

// This year, in the time the calendar is created at: a build that fixes SOURCE_DATE_EPOCH gets
// the same calendar whatever the day it runs.
int currentYear()
{
    const std::time_t now = creationTime();
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

Options parse(int argc, char **argv)
{
    Options o;
    o.firstYear = currentYear();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= argc)
                throw UsageError{std::string(arg) + " needs a value"};
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h")
            o.help = true;
        else if (arg == "--version")
            o.version = true;
        else if (arg == "--force")
            o.force = true;
        else if (arg == "--first-year")
            o.firstYear = parseNumber(arg, value());
        else if (arg == "--years")
            o.years = parseNumber(arg, value());
        else if (arg == "--format")
            o.format = parseFormat(value());
        else if (arg == "-o" || arg == "--output") {
            o.output = std::string(value());
            if (o.output.empty())
                throw UsageError{"-o needs a file name"};
        } else
            throw UsageError{"unknown argument '" + std::string(arg) + "'"};
    }
    if (o.help || o.version)
        return o;
    if (o.firstYear < FirstYear || o.firstYear > LastYear)
        throw UsageError{"--first-year must be between " + std::to_string(FirstYear) + " and "
                         + std::to_string(LastYear)};
    if (o.years < 0 || o.firstYear + o.years - 1 > LastYear)
        throw UsageError{"the years must lie between " + std::to_string(FirstYear) + " and "
                         + std::to_string(LastYear)};
    const long days = liturgy::CivilDate(o.firstYear, 1, 1).daysTo(liturgy::CivilDate(o.firstYear + o.years, 1, 1));
    if (days < MinRows)
        throw UsageError{"the calendar needs at least " + std::to_string(MinRows)
                         + " days (one page of the grid); use --years 1 or more"};
    if (days > MaxRows)
        throw UsageError{std::to_string(o.years) + " years make " + std::to_string(days)
                         + " days; the calendar grid holds at most " + std::to_string(MaxRows)};
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    try {
        options = parse(argc, argv);
    } catch (const UsageError &e) {
        std::fprintf(stderr, "feastbook-gen: %s\nTry 'feastbook-gen --help'.\n", e.message.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("feastbook-gen %s\n", FEASTBOOK_VERSION);
        return 0;
    }
    try {
        const auto rows = gen::buildCalendarRows(options.firstYear, options.years);
        gen::writeCalendarDatabase(rows, options.output, options.force, options.format, creationTime());
        std::printf("Wrote %zu days (%d-%d) to %s\n", rows.size(), options.firstYear,
                    options.firstYear + options.years - 1, options.output.c_str());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "feastbook-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
