#include "data/GridRows.h"

#include "data/CalendarSchema.h"
#include "data/CalendarVariant.h"
#include "data/ColourCode.h"
#include "data/DataError.h"
#include "data/RowWalk.h"
#include "data/VariantColumns.h"

#include <functional>

namespace {

// What a day whose colour code cannot be read is shown in: the cell's own default, black.
const QString DefaultColourCode = QStringLiteral("0");

} // namespace

GridRows::GridRows() : m_rows(Capacity + 1) {}

int GridRows::checked(int place)
{
    if (place < 0 || place > Capacity)
        throw DataError(QStringLiteral("Subscript out of range: there is no row %1 in the calendar grid.").arg(place));
    return place;
}

const GridRow &GridRows::at(int place) const
{
    return m_rows[size_t(checked(place))];
}

GridRows::Pass GridRows::read(CalendarCursor &rs, const QString &variant, int held, const AlsoVisit &alsoVisit)
{
    Pass pass;
    // A row's failures are kept here rather than thrown, so that the grid's reading and the
    // other visit each do what they can with the row, and the pass stops where it should.
    const QString walkDamage = RowWalk::fromFirst(rs, [&](const CalendarCursor &row, int place) {
        pass.read = place;
        if (place <= Capacity)
            visit([&] { readRow(row, variant, place, pass.badColours); }, pass.damage);
        if (alsoVisit)
            visit([&] { alsoVisit(row, place); }, pass.damage);
        return place < held ? RowWalk::Next::Continue : RowWalk::Next::Stop;
    });
    if (pass.damage.isEmpty())
        pass.damage = walkDamage; // moving on failed after the rows before it were read
    return pass;
}

void GridRows::visit(const std::function<void()> &step, QString &damage)
{
    try {
        step();
    } catch (const std::exception &e) {
        if (damage.isEmpty())
            damage = QString::fromUtf8(e.what());
    }
}

// Each value on its own: a NULL colour must not cost the row its text. The first failure is
// thrown once the row holds everything else, for the walk to keep.
void GridRows::readRow(const CalendarCursor &row, const QString &variant, int place, BadColours &badColours)
{
    if (variant != Variant::Universal && variant != Variant::SUA)
        return;
    QString failure;
    const auto value = [&](const std::function<QString()> &read, const QString &fallback) {
        try {
            return read();
        } catch (const std::exception &e) {
            if (failure.isEmpty())
                failure = QString::fromUtf8(e.what());
            return fallback;
        }
    };
    GridRow &r = m_rows.at(size_t(place));
    r.event = value([&] { return *VariantColumns::event(row, variant); }, QString());
    r.date = value([&] { return row.text(CalendarSchema::DateText); }, QString());
    QString colours = value([&] { return *VariantColumns::colourCode(row, variant); }, DefaultColourCode);
    if (!ColourCode::isReadable(colours)) {
        if (badColours.count++ == 0) {
            badColours.first = colours;
            badColours.firstRow = place;
        }
        colours = DefaultColourCode;
    }
    r.colours = colours;
    r.year = value([&] { return QString::number(row.date(CalendarSchema::Date).date().year()); }, QString());
    if (!failure.isEmpty())
        throw DataError(failure);
}
