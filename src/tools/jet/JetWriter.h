#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/JetFormat.h"
#include "tools/jet/JetTable.h"

#include <vector>

namespace gen::jet {

// A whole Access database holding the given user tables, as the bytes of the file:
//   page 0      the header
//   page 1      the map of free pages
//   page 2      the definition of the catalog MSysObjects, then one definition page per table
//   ...         usage map pages, then for each table (the catalog first) its long-value pages
//               column by column and its data pages, then the bitmap pages of wide usage maps.
// created (days since 1899-12-30) goes into the header and the catalog. Throws when a value
// does not fit its column or the file would exceed what Access can address.
Bytes writeJetDatabase(JetVersion version, const std::vector<Table> &tables, double created);

} // namespace gen::jet
