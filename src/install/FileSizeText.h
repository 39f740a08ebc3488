#pragma once

#include <QLocale>
#include <QString>

class TLanguage;

// A file size as the file-exists question shows it: bytes in words below 1 KB ("1 byte",
// "14 bytes"), kilobytes below 1 MB, megabytes above, with up to two decimals and the
// locale's separators.
QString FileSizeText(qint64 bytes, const TLanguage& language, const QLocale& locale = QLocale());
