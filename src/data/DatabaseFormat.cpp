#include "data/DatabaseFormat.h"

DatabaseFormat detectDatabaseFormat(const QByteArray &head)
{
    static const QByteArray sqlite("SQLite format 3\0", 16);
    static const QByteArray jet("Standard Jet DB");
    if (head.startsWith(sqlite))
        return DatabaseFormat::SQLite;
    if (head.mid(4, jet.size()) == jet)
        return DatabaseFormat::Access;
    return DatabaseFormat::Unknown;
}
