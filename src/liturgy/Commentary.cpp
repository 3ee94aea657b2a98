#include "liturgy/Commentary.h"

#include "liturgy/Prose.h"
#include "liturgy/ProseKeys.h"
#include "richtext/RtfWriter.h"

namespace liturgy {

namespace {

std::string rankText(const LiturgicalDay &day)
{
    const Celebration &c = day.celebration;
    if (c.grade != Grade::Commemoration)
        return gradeName(c.grade);
    if (c.key == "all-souls")
        return "Commemoration";
    if (day.date.weekday() == Weekday::Sunday)
        return "Sunday";
    if (c.rank <= precedence::PrincipalDay)
        return "Principal celebration";
    return "Weekday";
}

std::string seasonText(const LiturgicalDay &day)
{
    std::string s = seasonName(day.season);
    if (day.week > 0 && day.season != Season::Christmas && day.season != Season::HolyWeek
        && day.season != Season::Triduum)
        s += ", week " + std::to_string(day.week);
    return s;
}

std::string cycleText(const LiturgicalDay &day)
{
    return std::string("Sunday cycle ") + day.sundayCycle + ", weekday cycle " + (day.weekdayCycle == 1 ? "I" : "II")
           + ", psalter week " + std::to_string(day.psalterWeek);
}

void writeHeader(richtext::RtfWriter &w, const LiturgicalDay &day, const std::string &title)
{
    const int heading = w.colour(0x80, 0x00, 0x00);
    w.bold(true).fontSize(14).foreground(heading).text(title).foreground(0).bold(false).fontSize(10).paragraph();
    std::string rank = rankText(day);
    rank += std::string(rank.empty() ? "" : ", ") + colourName(day.celebration.colour);
    if (day.celebration.transferred)
        rank += " (transferred)";
    w.italic(true).text(rank).italic(false).paragraph();
    w.text(seasonText(day)).paragraph();
    w.text(cycleText(day)).paragraph();
}

// Each block of prose stands after an empty line, as a printed page sets paragraphs apart.
void writeParagraph(richtext::RtfWriter &w, std::string_view text)
{
    w.paragraph().text(text).paragraph();
}

void writeOptions(richtext::RtfWriter &w, const LiturgicalDay &day, const ProseKeys &keys)
{
    w.paragraph()
        .bold(true)
        .text(day.commemorationsOnly ? "May be commemorated:" : "Optional memorials:")
        .bold(false)
        .paragraph();
    for (size_t i = 0; i < day.options.size(); ++i) {
        const Celebration &o = day.options[i];
        w.paragraph()
            .bold(true)
            .text(o.title)
            .bold(false)
            .text(std::string(" (") + colourName(o.colour) + ")")
            .paragraph();
        const auto prose = proseFor(keys.options[i]);
        if (!prose.empty())
            w.text(prose.front()).paragraph();
    }
}

} // namespace

std::string composeCommentary(const LiturgicalDay &day, const std::string &title)
{
    richtext::RtfWriter w;
    writeHeader(w, day, title);
    const ProseKeys keys = proseKeysOf(day);
    const auto own = proseFor(keys.celebration);
    for (std::string_view paragraph : own)
        writeParagraph(w, paragraph);
    if (!day.options.empty())
        writeOptions(w, day, keys);
    if (const auto week = proseFor(keys.season); !week.empty()) {
        w.paragraph();
        // After a saint's text or a list of memorials the week's paragraph needs its own
        // heading, or it reads as more about the last one named.
        if (!own.empty() || !day.options.empty())
            w.bold(true).text(seasonText(day)).bold(false).paragraph();
        for (size_t i = 0; i < week.size(); ++i) {
            if (i > 0)
                w.paragraph();
            w.text(week[i]).paragraph();
        }
    }
    return w.finish();
}

} // namespace liturgy
