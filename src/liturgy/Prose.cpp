#include "liturgy/Prose.h"

#include <algorithm>

namespace liturgy {

std::span<const std::string_view> proseFor(std::string_view key)
{
    const std::span<const ProseEntry> table = proseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), key,
                                     [](const ProseEntry &e, std::string_view k) { return e.key < k; });
    if (it == table.end() || it->key != key)
        return {};
    return it->paragraphs;
}

} // namespace liturgy
