#include "data/VariantColumns.h"

#include "data/CalendarSchema.h"
#include "data/CalendarVariant.h"

namespace VariantColumns {

using namespace CalendarSchema;

namespace {

// The Universal or the USA column of a pair, with the "=" fallback to the Universal column.
std::optional<QString> withFallback(const CalendarCursor &row, const QString &variant, const char *univ,
                                    const char *sua)
{
    if (variant == Variant::Universal)
        return row.text(univ);
    if (variant == Variant::SUA) {
        QString value = row.text(sua);
        return value == SameAsUniversal ? row.text(univ) : value;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> event(const CalendarCursor &row, const QString &variant)
{
    return withFallback(row, variant, EventUniv, EventSua);
}

std::optional<QString> colourCode(const CalendarCursor &row, const QString &variant)
{
    if (variant == Variant::Universal)
        return row.text(ColoursUniv);
    if (variant == Variant::SUA)
        return row.text(ColoursSua);
    return std::nullopt;
}

std::optional<QString> commentary(const CalendarCursor &row, const QString &variant)
{
    return withFallback(row, variant, CommentaryUniv, CommentarySua);
}

std::optional<QString> searchTitle(const CalendarCursor &row, const QString &variant)
{
    return withFallback(row, variant, TitleUniv, TitleSua);
}

std::optional<QString> searchCommentary(const CalendarCursor &row, const QString &variant)
{
    if (variant == Variant::Universal)
        return row.text(CommentaryUniv);
    if (variant == Variant::SUA) {
        if (row.text(TitleSua) == SameAsUniversal)
            return row.text(CommentaryUniv);
        return row.text(CommentarySua);
    }
    return std::nullopt;
}

} // namespace VariantColumns
