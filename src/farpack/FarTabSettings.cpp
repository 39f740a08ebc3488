#include "farpack/FarTabSettings.h"

#include "common/PathRules.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"
#include "platform/SettingsStore.h"

#include <QDir>

namespace {
const QString FarFileValue = QStringLiteral("FarFile");
const QString IFFDirValue = QStringLiteral("FarIFFDir");
} // namespace

FarTabSettings ReadFarTabSettings(const QString& gameFolder, const TLanguage& language) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    FarTabSettings settings{store->value(FarFileValue).toString(),
                            store->value(IFFDirValue).toString()};
    if (settings.FarFile.isEmpty())
        settings.FarFile = QDir::toNativeSeparators(
            JoinCaseInsensitive(gameFolder, QStringLiteral("GameData\\UserObjects\\")) +
            language.GetString(QStringLiteral("DefaultFarName")));
    if (settings.IFFDir.isEmpty())
        settings.IFFDir = QDir::toNativeSeparators(
            DataFolder() + language.GetString(QStringLiteral("DefaultIFFBackupName")));
    return settings;
}

bool WriteFarTabSettings(const FarTabSettings& settings) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    store->setAtomicSyncRequired(true);
    store->setValue(FarFileValue, settings.FarFile);
    store->setValue(IFFDirValue, settings.IFFDir);
    store->sync();
    return store->status() == QSettings::NoError;
}
