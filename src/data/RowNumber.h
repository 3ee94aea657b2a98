#pragma once

#include <QtGlobal>

// Row numbers and IDs are 16-bit signed in the calendar's readers; a larger value is an
// overflow error (DataError) rather than a silently wrapped number.
qint16 toRowNumber(qint64 value);
