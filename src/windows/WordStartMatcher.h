#pragma once

#include <QLocale>
#include <QString>

// The search's rule for a title: the search text must stand at the beginning of a word of the
// title. The places tried are the title's first character and every character that directly
// follows a space; at each place the characters that start there are compared with the whole
// search text without regard to case, by the rules of the given locale. The end of the search
// text may fall inside a word ("fran" finds "Francis"), and several words match where the title
// holds them in that order ("francis of" finds "Saint Francis of Assisi").
//
// Two spaces in a row leave a place that starts with a space: only a search text that starts
// with a space (or the empty one) matches there. The empty search text matches every title.
class WordStartMatcher
{
public:
    explicit WordStartMatcher(const QString &searchText, const QLocale &locale = QLocale());

    bool matches(const QString &title) const;

private:
    QLocale m_locale;
    bool m_localeSpecific; // the locale has case rules of its own
    QString m_folded;      // the search text, lower-cased by the locale where it has such rules
};
