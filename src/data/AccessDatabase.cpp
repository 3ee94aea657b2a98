#include "data/AccessDatabase.h"

#include "data/AccessCursor.h"
#include "data/CursorMessages.h"
#include "data/DataError.h"
#include "data/jet/JetDatabase.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

#include <QFile>

AccessDatabase::AccessDatabase(const QString &path) : m_fileName(CursorMessages::fileShown(path))
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseUnusable(CursorMessages::cannotRead(m_fileName, file.errorString()));
    if (quint64(file.size()) > jet::JetFile::MaxFileSize)
        throw DatabaseUnusable(
            CursorMessages::cannotRead(m_fileName, QStringLiteral("it is larger than an Access database can be")));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.size()));
    if (file.read(reinterpret_cast<char *>(bytes.data()), file.size()) != file.size())
        throw DatabaseUnusable(CursorMessages::cannotRead(m_fileName, file.errorString()));
    try {
        m_db = std::make_unique<jet::JetDatabase>(std::make_shared<const jet::JetFile>(std::move(bytes)));
    } catch (const jet::UnsupportedFile &e) {
        throw DatabaseUnusable(CursorMessages::cannotRead(m_fileName, QString::fromStdString(e.what())));
    } catch (const jet::JetError &e) {
        throw DatabaseUnusable(CursorMessages::damaged(m_fileName, QString::fromStdString(e.what())));
    }
}

AccessDatabase::~AccessDatabase() = default;

std::unique_ptr<CalendarCursor> AccessDatabase::openTable(const QString &table)
{
    for (const jet::TableEntry &entry : m_db->tables()) {
        if (QString::fromStdString(entry.name).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        try {
            return std::make_unique<AccessCursor>(m_db->openTable(entry), m_fileName, table);
        } catch (const jet::JetError &e) {
            throw DatabaseUnusable(CursorMessages::damaged(
                m_fileName,
                QStringLiteral("the table %1 cannot be read: %2").arg(table, QString::fromStdString(e.what()))));
        }
    }
    throw DatabaseUnusable(CursorMessages::noUsableTable(m_fileName, table, QStringLiteral("there is no such table.")));
}
