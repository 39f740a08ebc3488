#include "platform/SettingsStore.h"

std::unique_ptr<QSettings> OpenSettingsStore() {
    const QString moved = qEnvironmentVariable("PACKWRIGHT_SETTINGS");
    if (!moved.isEmpty())
        return std::make_unique<QSettings>(moved, QSettings::IniFormat);
#ifdef Q_OS_WIN
    const auto format = QSettings::NativeFormat;
#else
    const auto format = QSettings::IniFormat;
#endif
    return std::make_unique<QSettings>(format, QSettings::UserScope, QStringLiteral("Tarnwell"),
                                       QStringLiteral("Packwright"));
}
