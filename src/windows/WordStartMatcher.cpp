#include "windows/WordStartMatcher.h"

namespace {

// Only Turkish, Azerbaijani and Lithuanian change the case of some letters by rules of their
// own (dotted and dotless i, i with accents). For every other locale the common Unicode case
// folding gives the same answer, letter by letter and without making a lower-case copy of
// each title: the search runs over the whole table on every keystroke, so that counts.
bool caseDependsOn(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Turkish:
    case QLocale::Azerbaijani:
    case QLocale::Lithuanian:
        return true;
    default:
        return false;
    }
}

} // namespace

WordStartMatcher::WordStartMatcher(const QString &searchText, const QLocale &locale)
    : m_locale(locale), m_localeSpecific(caseDependsOn(locale))
{
    m_folded = m_localeSpecific ? m_locale.toLower(searchText) : searchText;
}

bool WordStartMatcher::matches(const QString &title) const
{
    if (m_folded.isEmpty())
        return true;
    // The locale's lower case keeps every space where it was, so the places found in the
    // lower-cased title are the places of the title itself, even where a letter becomes two.
    const QString lowered = m_localeSpecific ? m_locale.toLower(title) : QString();
    const QStringView text = m_localeSpecific ? QStringView(lowered) : QStringView(title);
    const QStringView wanted(m_folded);
    const Qt::CaseSensitivity cs = m_localeSpecific ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype place = 0;
    for (;;) {
        if (text.sliced(place).startsWith(wanted, cs))
            return true;
        const qsizetype space = text.indexOf(u' ', place);
        if (space < 0)
            return false;
        place = space + 1;
    }
}
