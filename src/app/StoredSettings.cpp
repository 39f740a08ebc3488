#include "app/StoredSettings.h"

#include "journal/RetentionSettings.h"
#include "platform/SettingsStore.h"

namespace {
// Booleans are stored as the numbers 0 and 1.
std::optional<int> ReadNumber(const QSettings& store, const QString& name) {
    bool isNumber = false;
    const int number = store.value(name).toString().trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(number) : std::nullopt;
}

bool ReadFlag(const QSettings& store, const QString& name) {
    return ReadNumber(store, name).value_or(0) != 0;
}

FileAction ReadFileAction(const QSettings& store) {
    switch (ReadNumber(store, QStringLiteral("FileAction")).value_or(0)) {
    case 1:
        return FileAction::Overwrite;
    case 2:
        return FileAction::Skip;
    default:
        return FileAction::Ask;
    }
}
} // namespace

std::optional<StoredSettings> ReadStoredSettings() {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    if (store->allKeys().isEmpty())
        return std::nullopt;
    StoredSettings settings;
    settings.Action = ReadFileAction(*store);
    settings.InstallBMP = store->value(QStringLiteral("InstallBMP")).toString();
    settings.Language = store->value(QStringLiteral("Language")).toString();
    settings.VocksPath = store->value(QStringLiteral("VocksPath")).toString();
    settings.Expansion = ReadFlag(*store, QStringLiteral("Expansion"));
    for (std::size_t i = 0; i < ExpansionPacks.size(); ++i)
        settings.Packs[i] = ReadFlag(*store, QLatin1String(ExpansionPacks[i].ValueName));
    settings.OnTop = ReadFlag(*store, QStringLiteral("OnTop"));
    settings.ScrollingText = ReadFlag(*store, QStringLiteral("ScrollingText"));
    settings.History = ReadRetention(*store);
    return settings;
}

bool WriteStoredSettings(const StoredSettings& settings) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    // A file store is written beside and renamed over, never rewritten in place.
    store->setAtomicSyncRequired(true);
    store->setValue(QStringLiteral("FileAction"), static_cast<int>(settings.Action));
    store->setValue(QStringLiteral("InstallBMP"), settings.InstallBMP);
    store->setValue(QStringLiteral("Language"), settings.Language);
    store->setValue(QStringLiteral("VocksPath"), settings.VocksPath);
    store->setValue(QStringLiteral("Expansion"), int(settings.Expansion));
    for (std::size_t i = 0; i < ExpansionPacks.size(); ++i)
        store->setValue(QLatin1String(ExpansionPacks[i].ValueName), int(settings.Packs[i]));
    store->setValue(QStringLiteral("OnTop"), int(settings.OnTop));
    store->setValue(QStringLiteral("ScrollingText"), int(settings.ScrollingText));
    WriteRetention(*store, settings.History);
    store->sync();
    return store->status() == QSettings::NoError;
}
