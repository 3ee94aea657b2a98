#include "tools/CalendarRows.h"

#include "liturgy/DayText.h"
#include "liturgy/LiturgicalCalendar.h"

namespace gen {

std::vector<CalendarRow> buildCalendarRows(int firstYear, int years)
{
    using namespace liturgy;
    const LiturgicalCalendar universal(Region::Universal);
    const LiturgicalCalendar usa(Region::USA);

    std::vector<CalendarRow> rows;
    rows.reserve(static_cast<size_t>(years) * 366);
    for (int year = firstYear; year < firstYear + years; ++year) {
        const std::vector<LiturgicalDay> u = universal.year(year);
        const std::vector<LiturgicalDay> s = usa.year(year);
        for (size_t i = 0; i < u.size(); ++i) {
            const DayText tu = composeDayText(u[i]);
            DayText ts = composeDayText(s[i]);
            CalendarRow row;
            row.id = static_cast<int>(rows.size()) + 1;
            row.data = u[i].date.iso();
            row.dataUniv = u[i].date.cellText();
            const auto marked = [](const std::string &universalText, std::string usaText) {
                return usaText == universalText ? std::string(CalendarSchema::SameAsUniversal) : usaText;
            };
            row.evenimentUniv = tu.event;
            row.evenimentSUA = marked(tu.event, ts.event);
            // The search window opens the Universal commentary wherever the SUA title is "=",
            // so the title is only marked when the commentary is the same as well.
            const bool sameTitleAndComment = tu.toolTip == ts.toolTip && tu.comment == ts.comment;
            row.toolTipUniv = tu.toolTip;
            row.toolTipSUA = sameTitleAndComment ? CalendarSchema::SameAsUniversal : ts.toolTip;
            row.comentariuUniv = tu.comment;
            row.comentariuSUA = sameTitleAndComment ? CalendarSchema::SameAsUniversal : ts.comment;
            // The grid takes the SUA colour code as stored: it is never marked.
            row.culoriUniv = tu.colours;
            row.culoriSUA = ts.colours;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace gen
