#pragma once

#include <QByteArray>

enum class DatabaseFormat { SQLite, Access, Unknown };

// Recognises a database file by its first bytes: "SQLite format 3\0", or the Jet signature
// "Standard Jet DB" at offset 4 of an Access file.
DatabaseFormat detectDatabaseFormat(const QByteArray &head);
