#include "language/SystemLanguageFile.h"

#include "language/LanguageLocale.h"

#include <QDir>
#include <QFileInfo>

QString SystemLanguageFile(const QString& folder, const QLocale& system) {
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const std::optional<QLocale> locale = LanguageLocale({QFileInfo(file).completeBaseName()});
        if (locale && locale->language() == system.language())
            return dir.filePath(file);
    }
    return dir.filePath(QStringLiteral("English.lng"));
}
