#pragma once

#include <QString>
#include <functional>
#include <vector>

class CalendarCursor;

// One day as the calendar grid shows it.
struct GridRow
{
    QString event;   // the celebration, from the variant's column
    QString date;    // "W Apr 16"
    QString colours; // a readable colour code; "0" (black) where the stored one is not
    QString year;    // "2001"
};

// The calendar table as the grid holds it: read in one pass per load, the rows in stored order
// at their places 1..Capacity (place 0 stays empty). A load overwrites the rows it reads and
// leaves the others as they were.
class GridRows
{
public:
    static constexpr int Capacity = 1462;

    // The first colour code that cannot colour anything, where it is, and how many there are.
    struct BadColours
    {
        QString first;
        int firstRow = 0;
        int count = 0;
    };

    struct Pass
    {
        int read = 0;   // places visited
        QString damage; // the first value that could not be read, empty when none
        BadColours badColours;
    };

    GridRows();

    // What else a pass does with each row it visits; it may throw DataError for a value it cannot
    // read, which is kept as the pass's damage like the grid's own.
    using AlsoVisit = std::function<void(const CalendarCursor &row, int place)>;

    // Reads the first `held` rows of the table for a calendar variant. A row the variant does not
    // know is left as it was. A value that cannot be read costs only itself: the row keeps what
    // could be read, a colour code that cannot be read is held as black, and the pass goes on.
    // Rows past Capacity are visited (for alsoVisit and the count) but not held.
    Pass read(CalendarCursor &rs, const QString &variant, int held, const AlsoVisit &alsoVisit = {});

    // The row at a place; throws DataError for a place outside 0..Capacity.
    const GridRow &at(int place) const;
    // The place itself, with the same check.
    static int checked(int place);

private:
    void readRow(const CalendarCursor &row, const QString &variant, int place, BadColours &badColours);
    static void visit(const std::function<void()> &step, QString &damage);

    std::vector<GridRow> m_rows;
};
