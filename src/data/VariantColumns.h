#pragma once

#include "data/CalendarCursor.h"

#include <QString>
#include <optional>

// Which column each reader takes from the current row for a calendar variant. Every function
// answers nothing for a variant other than "Universal" or "SUA": the reader then skips the row.
// The "=" fallback differs by reader, so each reader has its own function.
namespace VariantColumns {

// The celebration as the tray tooltip and the grid show it: evenimentSUA, or evenimentUniv
// when it is "=".
std::optional<QString> event(const CalendarCursor &row, const QString &variant);

// The colour code for the grid: CuloriSUA as stored, with no fallback.
std::optional<QString> colourCode(const CalendarCursor &row, const QString &variant);

// The commentary window's text: ComentariuSUA, or ComentariuUniv when it is "=".
std::optional<QString> commentary(const CalendarCursor &row, const QString &variant);

// The title the search matches and lists: ToolTipSUA, or ToolTipUniv when it is "=".
std::optional<QString> searchTitle(const CalendarCursor &row, const QString &variant);

// The commentary the search opens: the fallback is decided by the title column, so
// ComentariuUniv when ToolTipSUA is "=", else ComentariuSUA as stored.
std::optional<QString> searchCommentary(const CalendarCursor &row, const QString &variant);

} // namespace VariantColumns
