#pragma once

#include <string_view>

namespace liturgy {

// Prose about a celebration or a season, looked up by the celebration's key ("joseph",
// "easter-sunday") or by "season:<name>" ("season:lent"). Empty when none is written yet.
std::string_view proseFor(std::string_view key);

} // namespace liturgy
