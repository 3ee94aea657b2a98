#include "app/TrayIconData.h"

namespace {

// Blanks only: a tab or a line break at either end is part of the text.
QString withoutOuterBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString TrayIconData::tipField(const QString &text)
{
    QString field = withoutOuterBlanks(text) + QChar(u'\0');
    if (field.size() < TipFieldLength)
        field += QString(TipFieldLength - field.size(), u' ');
    return field.left(TipFieldLength);
}

QString TrayIconData::shownTip() const
{
    const qsizetype nul = szTip.indexOf(QChar(u'\0'));
    return szTip.left(nul < 0 ? TipFieldLength - 1 : nul).left(TipFieldLength - 1);
}
