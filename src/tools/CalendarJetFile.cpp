#include "tools/CalendarJetFile.h"

#include "tools/jet/JetText.h"
#include "tools/jet/JetWriter.h"

#include "liturgy/CivilDate.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace gen {

namespace {

using jet::ColumnType;

// Access's day 0.
constexpr liturgy::CivilDate Epoch(1899, 12, 30);

double accessDate(int year, int month, int day, int secondsOfDay)
{
    const long days = Epoch.daysTo(liturgy::CivilDate(year, month, day));
    const double fraction = secondsOfDay / 86400.0;
    return days >= 0 ? days + fraction : days - fraction;
}

int number(std::string_view text, std::size_t at, std::size_t digits)
{
    int v = 0;
    const char *first = text.data() + at;
    const auto [end, ec] = std::from_chars(first, first + digits, v);
    if (ec != std::errc() || end != first + digits || *first == '+' || *first == '-')
        throw std::invalid_argument("not a date: '" + std::string(text) + "'");
    return v;
}

ColumnType textColumnType(const std::vector<CalendarRow> &rows, std::string CalendarRow::*member,
                          jet::JetVersion version)
{
    for (const CalendarRow &r : rows)
        if (jet::textLength(version, r.*member) > 255)
            return ColumnType::Memo;
    return ColumnType::Text;
}

void writeAll(const std::string &path, const jet::Bytes &bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            throw std::runtime_error("cannot write " + path + ": " + std::strerror(error));
        }
        done += static_cast<std::size_t>(n);
    }
    // On disk before it is renamed into place, or a crash could leave an empty calendar.
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

} // namespace

double jetDate(std::string_view text)
{
    const bool withTime = text.size() == 19 && text[10] == ' ' && text[13] == ':' && text[16] == ':';
    if ((text.size() != 10 && !withTime) || text[4] != '-' || text[7] != '-')
        throw std::invalid_argument("not a date: '" + std::string(text) + "'");
    const int year = number(text, 0, 4);
    const int month = number(text, 5, 2);
    const int day = number(text, 8, 2);
    // Access keeps dates from the year 100 on.
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > liturgy::CivilDate::daysInMonth(year, month))
        throw std::invalid_argument("not a date: '" + std::string(text) + "'");
    int seconds = 0;
    if (withTime) {
        const int h = number(text, 11, 2);
        const int m = number(text, 14, 2);
        const int s = number(text, 17, 2);
        if (h > 23 || m > 59 || s > 59)
            throw std::invalid_argument("not a time of day: '" + std::string(text) + "'");
        seconds = (h * 60 + m) * 60 + s;
    }
    return accessDate(year, month, day, seconds);
}

double jetDate(std::time_t moment)
{
    std::tm t{};
    localtime_r(&moment, &t);
    return accessDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, (t.tm_hour * 60 + t.tm_min) * 60 + t.tm_sec);
}

jet::Table calendarJetTable(const std::vector<CalendarRow> &rows, jet::JetVersion version)
{
    jet::Table table;
    table.name = CalendarSchema::TableName;
    table.columns = {{CalendarSchema::Id, ColumnType::Long}, {CalendarSchema::Date, ColumnType::DateTime}};
    for (const auto &[name, member] : TextColumns)
        table.columns.push_back({name, textColumnType(rows, member, version)});
    table.rows.reserve(rows.size());
    for (const CalendarRow &r : rows) {
        std::vector<jet::Value> values{std::int32_t{r.id}, jetDate(r.data)};
        for (const auto &text : TextColumns)
            values.emplace_back(r.*text.second);
        table.rows.push_back(std::move(values));
    }
    return table;
}

void writeCalendarJet(const std::vector<CalendarRow> &rows, const std::string &path, jet::JetVersion version,
                      std::time_t created)
{
    writeAll(path, jet::writeJetDatabase(version, {calendarJetTable(rows, version)}, jetDate(created)));
}

} // namespace gen
