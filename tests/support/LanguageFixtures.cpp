#include "support/LanguageFixtures.h"

#include <QString>

QByteArray BuildLanguageFile(const char* name, const std::vector<LanguageFixtureEntry>& entries,
                             LanguageFileText text, const char* lineEnd) {
    QString file = QStringLiteral("[%1]%2; translated by hand%2")
                       .arg(QString::fromUtf8(name), QLatin1String(lineEnd));
    for (const LanguageFixtureEntry& entry : entries)
        file += QString::fromUtf8(entry.Key) + u'=' + QString::fromUtf8(entry.Value) +
                QLatin1String(lineEnd);
    return text == LanguageFileText::Utf8 ? file.toUtf8() : file.toLatin1();
}
