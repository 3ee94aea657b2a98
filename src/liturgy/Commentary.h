#pragma once

#include "liturgy/LiturgicalDay.h"

#include <string>

namespace liturgy {

// The commentary of one day as an RTF document: the title, rank and colour, season and week,
// the cycles and psalter week, then the prose: the celebration's own text, each optional
// memorial with the first paragraph of its text, and last the paragraph of the week or season.
std::string composeCommentary(const LiturgicalDay &day, const std::string &title);

} // namespace liturgy
