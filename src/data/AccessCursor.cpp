#include "data/AccessCursor.h"

#include "data/CalendarDate.h"
#include "data/CursorMessages.h"
#include "data/DataError.h"
#include "data/jet/JetError.h"

#include <cmath>

namespace {

QString textOf(const jet::Value &value)
{
    if (const auto *s = std::get_if<std::string>(&value))
        return QString::fromStdString(*s);
    return QString::fromStdString(jet::toText(value));
}

// A number that is a whole number: Access hands out Currency, Single and Double as numbers,
// and the SQLite store reads only what is whole.
std::optional<qint64> wholeNumber(const jet::Value &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return *i;
    if (const auto *b = std::get_if<bool>(&value))
        return *b ? -1 : 0; // an Access True is -1
    if (const auto *c = std::get_if<jet::Currency>(&value))
        return c->tenThousandths % 10000 == 0 ? std::optional<qint64>(c->tenThousandths / 10000) : std::nullopt;
    double d = 0;
    if (const auto *f = std::get_if<float>(&value))
        d = *f;
    else if (const auto *g = std::get_if<double>(&value))
        d = *g;
    else
        return std::nullopt;
    if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) >= 9.2e18)
        return std::nullopt;
    return qint64(d);
}

} // namespace

AccessCursor::AccessCursor(jet::JetTable table, const QString &fileName, const QString &tableName)
    : m_table(std::move(table)), m_fileName(fileName), m_tableName(tableName)
{
    const auto &columns = m_table.columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        m_columns.insert(QString::fromStdString(columns[i].name).toLower(), int(i));
    MoveFirst();
}

void AccessCursor::MoveFirst()
{
    m_row = 0;
    m_reachedByMoveLast = false;
    m_layout.reset();
}

void AccessCursor::MoveNext()
{
    if (isEOF())
        throw DataError(CursorMessages::noCurrentRecord());
    ++m_row;
    m_layout.reset();
}

QString AccessCursor::place(const QString &column) const
{
    // The SQLite store cannot number a row reached by MoveLast; neither does this one.
    return CursorMessages::place(column, m_reachedByMoveLast ? 0 : qint64(m_row) + 1);
}

void AccessCursor::MoveLast()
{
    m_layout.reset();
    if (m_table.rowCount() == 0) {
        m_row = 0;
        throw DataError(CursorMessages::emptyTable(m_tableName));
    }
    m_row = m_table.rowCount() - 1;
    m_reachedByMoveLast = true;
}

bool AccessCursor::isEOF() const
{
    return m_row >= m_table.rowCount();
}

const jet::RowLayout &AccessCursor::currentRow() const
{
    if (!m_layout)
        m_layout.emplace(m_table.layout(m_row));
    return *m_layout;
}

jet::Value AccessCursor::value(const QString &column) const
{
    if (isEOF())
        throw DataError(CursorMessages::noCurrentRecord());
    const auto found = m_columns.constFind(column.toLower());
    if (found == m_columns.constEnd())
        throw DataError(CursorMessages::noSuchColumn(m_tableName, column));
    try {
        return m_table.value(currentRow(), std::size_t(*found));
    } catch (const jet::UnsupportedType &e) {
        throw DataError(
            QStringLiteral("The column %1 cannot be read: %2.").arg(column, QString::fromStdString(e.what())));
    } catch (const jet::JetError &e) {
        throw DataError(CursorMessages::damaged(m_fileName, QString::fromStdString(e.what())));
    }
}

jet::Value AccessCursor::present(const QString &column) const
{
    jet::Value v = value(column);
    if (std::holds_alternative<std::monostate>(v))
        throw DataError(CursorMessages::nullValue(place(column)));
    return v;
}

void AccessCursor::typeMismatch(const QString &column, const jet::Value &value, Mismatch message) const
{
    QString shown;
    try {
        shown = textOf(value);
    } catch (const jet::JetError &) {
        shown = QStringLiteral("?");
    }
    throw DataError(message(place(column), shown));
}

QString AccessCursor::text(const QString &column) const
{
    const jet::Value v = present(column);
    try {
        return textOf(v);
    } catch (const jet::JetError &e) {
        throw DataError(CursorMessages::damaged(m_fileName, QString::fromStdString(e.what())));
    }
}

qint64 AccessCursor::integer(const QString &column) const
{
    const jet::Value v = present(column);
    if (const auto whole = wholeNumber(v))
        return *whole;
    if (const auto *s = std::get_if<std::string>(&v)) {
        bool ok = false;
        const qint64 number = QString::fromStdString(*s).trimmed().toLongLong(&ok);
        if (ok)
            return number;
    }
    typeMismatch(column, v, CursorMessages::notAWholeNumber);
}

QDateTime AccessCursor::date(const QString &column) const
{
    const jet::Value v = present(column);
    if (const auto *d = std::get_if<jet::DateTime>(&v)) {
        try {
            const jet::CivilTime t = jet::toCivil(*d);
            return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, t.millisecond), Qt::UTC);
        } catch (const jet::JetError &) {
            typeMismatch(column, v, CursorMessages::notADate);
        }
    }
    if (const auto *s = std::get_if<std::string>(&v)) {
        try {
            return CalendarDate::parse(QString::fromStdString(*s));
        } catch (const DataError &) {
        }
    }
    typeMismatch(column, v, CursorMessages::notADate);
}

QStringList AccessCursor::columnNames() const
{
    QStringList names;
    for (const jet::Column &c : m_table.columns())
        if (c.readable())
            names << QString::fromStdString(c.name);
    return names;
}

bool AccessCursor::isNull(const QString &column) const
{
    return std::holds_alternative<std::monostate>(value(column));
}
