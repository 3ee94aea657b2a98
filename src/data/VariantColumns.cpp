#include "data/VariantColumns.h"

#include "data/CalendarVariant.h"

namespace VariantColumns {
namespace {

// family + "Univ" or family + "SUA", with the "=" fallback to the Universal column.
std::optional<QString> withFallback(const CalendarCursor &row, const QString &variant,
                                    const QString &univ, const QString &sua)
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
    return withFallback(row, variant, QStringLiteral("evenimentUniv"), QStringLiteral("evenimentSUA"));
}

std::optional<QString> colourCode(const CalendarCursor &row, const QString &variant)
{
    if (variant == Variant::Universal)
        return row.text(QStringLiteral("culoriUniv"));
    if (variant == Variant::SUA)
        return row.text(QStringLiteral("CuloriSUA"));
    return std::nullopt;
}

std::optional<QString> commentary(const CalendarCursor &row, const QString &variant)
{
    return withFallback(row, variant, QStringLiteral("ComentariuUniv"), QStringLiteral("ComentariuSUA"));
}

std::optional<QString> searchTitle(const CalendarCursor &row, const QString &variant)
{
    return withFallback(row, variant, QStringLiteral("ToolTipUniv"), QStringLiteral("ToolTipSUA"));
}

std::optional<QString> searchCommentary(const CalendarCursor &row, const QString &variant)
{
    if (variant == Variant::Universal)
        return row.text(QStringLiteral("ComentariuUniv"));
    if (variant == Variant::SUA) {
        if (row.text(QStringLiteral("ToolTipSUA")) == SameAsUniversal)
            return row.text(QStringLiteral("ComentariuUniv"));
        return row.text(QStringLiteral("ComentariuSUA"));
    }
    return std::nullopt;
}

} // namespace VariantColumns
