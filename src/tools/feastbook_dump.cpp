// feastbook-dump: prints one table of a calendar database, SQLite or Access, as CSV through the
// program's own readers. For support: it shows a file as the program sees it.

#include "data/CalendarDatabase.h"
#include "data/DataError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *Usage =
    "Usage: feastbook-dump FILE [TABLE]\n"
    "\n"
    "Prints TABLE (default calendarComplet) of the calendar database FILE, SQLite or Access\n"
    "97/2000-2003, as CSV: a line of column names, then one line per row in stored order.\n"
    "A value is written in double quotes (a quote inside it doubled); NULL is an empty field\n"
    "without quotes. Numbers are written in their shortest exact form, Yes/No as True or\n"
    "False, dates as YYYY-MM-DD with HH:MM:SS when they carry a time of day. Columns of\n"
    "kinds the program does not read (OLE Object, Binary, Replication ID, Decimal) are left out.\n";

QByteArray quoted(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

QByteArray headerField(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    const bool plain = !bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r');
    return plain ? bytes : quoted(name);
}

void write(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
}

void dump(CalendarCursor &rs)
{
    const QStringList columns = rs.columnNames();
    QByteArray line;
    for (const QString &name : columns)
        line += (line.isEmpty() ? "" : ",") + headerField(name);
    write(line + '\n');
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
        line.clear();
        for (int i = 0; i < columns.size(); ++i) {
            if (i > 0)
                line += ',';
            if (!rs.isNull(columns.at(i)))
                line += quoted(rs.text(columns.at(i)));
        }
        write(line + '\n');
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        const auto db = CalendarDatabase::open(QString::fromLocal8Bit(argv[1]));
        const auto rs = db->openTable(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("calendarComplet"));
        dump(*rs);
    } catch (const DataError &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "feastbook-dump: %s\n", e.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
