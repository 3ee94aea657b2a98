// Feeds arbitrary bytes to the Access reader as a whole database file: the catalog, then every
// table (at most a few), every row and every value, as feastbook-dump would read them. Any
// failure must be a jet::JetError; anything else (a crash, a hang, a sanitizer report) is a bug.
#include "data/jet/JetDatabase.h"
#include "data/jet/JetError.h"
#include "data/jet/JetFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

void readTable(const jet::JetDatabase &db, const jet::TableEntry &entry)
{
    const jet::JetTable table = db.openTable(entry);
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        try {
            const jet::RowLayout row = table.layout(r);
            for (std::size_t c = 0; c < table.columns().size(); ++c) {
                try {
                    (void)jet::toText(table.value(row, c));
                } catch (const jet::JetError &) {
                }
            }
        } catch (const jet::JetError &) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        auto file = std::make_shared<const jet::JetFile>(std::vector<std::uint8_t>(data, data + size));
        const jet::JetDatabase db(file);
        int opened = 0;
        for (const jet::TableEntry &entry : db.tables()) {
            if (entry.system && entry.name != "MSysObjects")
                continue;
            if (++opened > 4)
                break;
            try {
                readTable(db, entry);
            } catch (const jet::JetError &) {
            }
        }
    } catch (const jet::JetError &) {
    }
    return 0;
}
