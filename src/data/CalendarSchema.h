#pragma once

#include <iterator>

// The calendar table as feastbook-gen writes it and the program reads it: one row a day, in
// date order, the Universal and the USA calendar side by side. Plain C++, so that the readers
// (Qt) and the writers (std) spell every name from this one place.
namespace CalendarSchema {

inline constexpr const char *TableName = "calendarComplet";

// The columns, in the table's order. The readers match them without regard to case.
inline constexpr const char *Id = "ID";                   // the day's place, 1..N
inline constexpr const char *Date = "Data";               // "YYYY-MM-DD", a time of day allowed
inline constexpr const char *DateText = "DataUniv";       // "W Apr 16"
inline constexpr const char *EventUniv = "evenimentUniv"; // the celebration as a cell shows it
inline constexpr const char *EventSua = "evenimentSUA";
inline constexpr const char *TitleUniv = "ToolTipUniv"; // the full title the search lists
inline constexpr const char *TitleSua = "ToolTipSUA";
inline constexpr const char *CommentaryUniv = "ComentariuUniv"; // an RTF document
inline constexpr const char *CommentarySua = "ComentariuSUA";
inline constexpr const char *ColoursUniv = "culoriUniv"; // "2", or "5;1" for a weekday and its memorial
inline constexpr const char *ColoursSua = "CuloriSUA";

inline constexpr const char *Columns[] = {Id,       Date,           DateText,      EventUniv,   EventSua,  TitleUniv,
                                          TitleSua, CommentaryUniv, CommentarySua, ColoursUniv, ColoursSua};
inline constexpr int ColumnCount = int(std::size(Columns));

// A USA value of exactly this text means "the same as the Universal column". ColoursSua never
// holds it, and CommentarySua holds it only where TitleSua does too.
inline constexpr const char *SameAsUniversal = "=";

// The table in SQLite, as feastbook-gen creates it.
inline constexpr const char *CreateStatement =
    "CREATE TABLE calendarComplet (ID INTEGER PRIMARY KEY, Data TEXT NOT NULL, "
    "DataUniv TEXT NOT NULL, evenimentUniv TEXT NOT NULL, evenimentSUA TEXT NOT NULL, "
    "ToolTipUniv TEXT NOT NULL, ToolTipSUA TEXT NOT NULL, ComentariuUniv TEXT NOT NULL, "
    "ComentariuSUA TEXT NOT NULL, culoriUniv TEXT NOT NULL, CuloriSUA TEXT NOT NULL)";

} // namespace CalendarSchema
