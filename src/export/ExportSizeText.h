#pragma once

#include "common/NumberPatterns.h"

#include <QLocale>
#include <QString>

class TLanguage;

// A byte count as the lists show it: megabytes above 1,048,576 bytes and kilobytes above
// 1,024, each with two decimals, else the plain count; the unit from the language.
QString ExportSizeText(qint64 size, const TLanguage& language, const QLocale& locale = QLocale());

// The same for many sizes, with the unit words looked up once.
class ExportSizeFormat {
public:
    explicit ExportSizeFormat(const TLanguage& language, const QLocale& locale = QLocale());

    QString Text(qint64 size) const;

private:
    // Each with the blank that parts it from the number.
    QString FBytes;
    QString FKiloBytes;
    QString FMegaBytes;
    NumberPattern FTwoDecimals;
};
