#include "install/DownloadFolder.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString LastFolderValue = QStringLiteral("LastDownloadFolder");
} // namespace

QString StartingDownloadFolder() {
    const QString last = OpenSettingsStore()->value(LastFolderValue).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
}

void RememberDownloadFolder(const QString& folder) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    store->setAtomicSyncRequired(true);
    store->setValue(LastFolderValue, QDir::toNativeSeparators(folder));
}
