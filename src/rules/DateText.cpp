#include "rules/DateText.h"

QString dateForFileName(QDate date, const QLocale& locale)
{
    QString text = locale.toString(date, QLocale::ShortFormat);
    for (QChar& ch : text)
        if (ch == u'/' || ch == u'\\' || ch == u':')
            ch = u'-';
    return text;
}
