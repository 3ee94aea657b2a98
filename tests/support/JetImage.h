#pragma once

#include "data/jet/Column.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

// Small Access files (Jet 3 or Jet 4) built by the tests, for what the real files in
// tests/data/access do not show: long memos on chained pages, long Jet 3 rows with jump tables,
// reference usage maps, a whole calendar, and files damaged in exactly one place. Independent
// readers (mdb-export, mdb-reader) read what this writes; the oracle test checks that.
class JetImage
{
public:
    enum Version { Jet3, Jet4 };
    struct ColumnSpec
    {
        QString name;
        jet::ColumnType type;
        quint16 length = 0; // Text: characters; others: ignored
    };
    // Values in column order; a null QVariant is NULL. Text and Memo take QString; Boolean bool;
    // Byte, Integer, Long qint64; Currency qint64 ten-thousandths; Single float; Double and
    // Date/Time double (days since 1899-12-30).
    using Row = QList<QVariant>;

    // Where the builder put a table's parts, for tests that damage a file on purpose.
    struct Placement
    {
        quint32 definitionPage = 0;
        quint32 usageMapRow = 0; // page << 8 | row, as the definition points to it
        QList<quint32> dataPages;
        QList<quint32> memoPages;
    };

    explicit JetImage(Version version) : m_version(version) {}

    // Memo values up to this many bytes stay in the row; longer ones go to long-value pages.
    void setInlineMemoLimit(int bytes) { m_inlineMemoLimit = bytes; }
    // List the table's pages through usage-map pages even when an inline map would do.
    void setReferenceMaps(bool on) { m_referenceMaps = on; }

    void addTable(const QString &name, const QList<ColumnSpec> &columns, const QList<Row> &rows);
    QByteArray build();

    int pageSize() const { return m_version == Jet3 ? 2048 : 4096; }
    Placement placement(const QString &table) const { return m_placements.value(table); }

private:
    struct Table
    {
        QString name;
        QList<ColumnSpec> columns;
        QList<Row> rows;
    };
    struct PageSlot
    {
        int page = -1;
    };

    int newPage(quint8 type, quint32 owner);
    quint32 addRow(PageSlot &slot, quint32 owner, const QByteArray &row, QList<quint32> *pages);
    QByteArray encodeText(const QString &text) const;
    QByteArray longValue(const QByteArray &bytes, Placement &placement);
    QByteArray encodeRow(const Table &table, const Row &row, Placement &placement);
    QByteArray definition(const Table &table, quint32 usageMap) const;
    quint32 usageMap(const QList<quint32> &pages);
    void writeTable(const Table &table, quint32 definitionPage, int catalogRows);
    QByteArray header() const;

    Version m_version;
    int m_inlineMemoLimit = 64;
    bool m_referenceMaps = false;
    QList<Table> m_tables;
    QList<QByteArray> m_pages;
    PageSlot m_mapSlot;
    PageSlot m_memoSlot;
    QMap<QString, Placement> m_placements;
};
