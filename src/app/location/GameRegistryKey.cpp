#include "app/location/GameRegistryKey.h"

#include "app/location/WinePrefix.h"
#include "app/location/WineRegistryFile.h"
#include "platform/SystemRegistry.h"

#include <QDir>

namespace {
const QString GameKey = QStringLiteral("Software\\Quarn\\The Vocks");

std::optional<RegistryKeyValues> ReadFromSystemRegistry() {
    // The game is a 32-bit program: its key lives in the registry's 32-bit view.
    const std::optional<QHash<QString, QString>> strings = ReadMachineKey32(GameKey);
    if (!strings)
        return std::nullopt;
    RegistryKeyValues values;
    for (auto value = strings->cbegin(); value != strings->cend(); ++value)
        values.Set(value.key(), value.value());
    return values;
}

std::optional<RegistryKeyValues> ReadFromWinePrefix() {
    // A 64-bit prefix keeps the 32-bit view, where the game writes, under Wow6432Node; a
    // 32-bit prefix has only the plain key.
    const QString registryFile = WinePrefix::FromEnvironment().SystemRegistryFile();
    if (auto values = ReadWineRegistryKey(
            registryFile, QStringLiteral("Software\\Wow6432Node\\Quarn\\The Vocks")))
        return values;
    return ReadWineRegistryKey(registryFile, GameKey);
}

// A path from the system's own registry names a folder of this computer already.
QString SystemFolder(const QString& registryPath) {
    QString folder = QDir::fromNativeSeparators(registryPath.trimmed());
    while (folder.size() > 3 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}
} // namespace

std::optional<RegistryKeyValues> ReadGameRegistryKey() {
    return HasSystemRegistry() ? ReadFromSystemRegistry() : ReadFromWinePrefix();
}

QString LocalGameFolder(const QString& registryPath) {
    return HasSystemRegistry() ? SystemFolder(registryPath)
                               : WinePrefix::FromEnvironment().LocalPath(registryPath);
}
