#pragma once

#include "data/CalendarCursor.h"

#include <QString>
#include <functional>

// A walk over a cursor's rows from the first one. A row that cannot be read is left and the walk
// goes on with the next, so that one damaged row hides no other; the first failure is kept for
// the caller to report once. A cursor that cannot move on ends the walk.
namespace RowWalk {

enum class Next { Continue, Stop };

// visit gets the row and its 1-based place in the table.
using Visit = std::function<Next(const CalendarCursor &row, int place)>;

// Walks until the end of the table or until visit says Stop. Returns the first failure, empty
// when there was none.
QString fromFirst(CalendarCursor &rs, const Visit &visit);

} // namespace RowWalk
