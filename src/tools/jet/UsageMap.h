#pragma once

#include "tools/jet/Bytes.h"
#include "tools/jet/PageFile.h"

#include <cstdint>
#include <vector>

namespace gen::jet {

// Usage maps: bitmaps of pages, the lowest page in the lowest bit. A table has one of the pages
// that hold its rows and one of those pages with room left; a long-value column has the same
// pair for its long-value pages; the file has one of its free pages.
//
// A map row is either inline (type 0: the first page it covers, then the bitmap) or, when the
// pages spread wider than that bitmap reaches, a list of reference pages (type 1), each a
// bitmap page (0x05) of its own stretch of the file. Both take the same row size, so a map's
// place is known before its pages are.

// The map of the given pages (any order); adds the reference pages it needs to the file.
Bytes usageMap(PageFile &file, std::vector<std::uint32_t> pages);

// The file's map of free pages: every page from the end of the file on, as far as the map
// reaches. Call it last, once no page is added any more.
Bytes freePageMap(PageFile &file);

} // namespace gen::jet
