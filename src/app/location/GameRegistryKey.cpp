#include "app/location/GameRegistryKey.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <QSettings>
#else
#include "app/location/WinePrefix.h"
#include "app/location/WineRegistryFile.h"
#endif

#ifdef Q_OS_WIN
std::optional<RegistryKeyValues> ReadGameRegistryKey() {
    // The game is a 32-bit program: its key lives in the registry's 32-bit view.
    QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Quarn\\The Vocks"),
                  QSettings::Registry32Format);
    const QStringList names = key.childKeys();
    if (names.isEmpty() && key.childGroups().isEmpty())
        return std::nullopt;
    RegistryKeyValues values;
    for (const QString& name : names) {
        const QVariant value = key.value(name);
        if (value.typeId() == QMetaType::QString)
            values.Set(name, value.toString());
    }
    return values;
}

QString LocalGameFolder(const QString& registryPath) {
    QString folder = QDir::fromNativeSeparators(registryPath.trimmed());
    while (folder.size() > 3 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}
#else
std::optional<RegistryKeyValues> ReadGameRegistryKey() {
    // A 64-bit prefix keeps the 32-bit view, where the game writes, under Wow6432Node; a
    // 32-bit prefix has only the plain key.
    const QString registryFile = WinePrefix::FromEnvironment().SystemRegistryFile();
    if (auto values = ReadWineRegistryKey(
            registryFile, QStringLiteral("Software\\Wow6432Node\\Quarn\\The Vocks")))
        return values;
    return ReadWineRegistryKey(registryFile, QStringLiteral("Software\\Quarn\\The Vocks"));
}

QString LocalGameFolder(const QString& registryPath) {
    return WinePrefix::FromEnvironment().LocalPath(registryPath);
}
#endif
