#include "cli/GameFolderChoice.h"

#include "app/StoredSettings.h"
#include "common/PathRules.h"

#include <QFileInfo>

std::optional<QString> ChosenGameFolder(const QString& given, CliIo& io) {
    if (!given.isEmpty())
        return WithTrailingSeparator(QFileInfo(given).absoluteFilePath());
    const std::optional<StoredSettings> stored = ReadStoredSettings();
    if (stored && !stored->VocksPath.isEmpty())
        return WithTrailingSeparator(stored->VocksPath);
    io.Fail(QStringLiteral("no game folder: give --game DIR or set it in the options"));
    return std::nullopt;
}
