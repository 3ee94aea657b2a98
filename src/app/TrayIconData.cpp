#include "app/TrayIconData.h"

QString TrayIconData::tipField(const QString &text)
{
    QString field = text.trimmed() + QChar(u'\0');
    if (field.size() < TipFieldLength)
        field += QString(TipFieldLength - field.size(), u' ');
    return field.left(TipFieldLength);
}

QString TrayIconData::shownTip() const
{
    const qsizetype nul = szTip.indexOf(QChar(u'\0'));
    return szTip.left(nul < 0 ? TipFieldLength - 1 : nul).left(TipFieldLength - 1);
}
