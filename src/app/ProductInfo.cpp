#include "app/ProductInfo.h"

#include "common/DateTimePatterns.h"

QString LastUpdateText() {
    QString text = FormatDateTimePattern(u"dddddd", QDateTime(QDate(2004, 5, 9), QTime(0, 0)));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}
