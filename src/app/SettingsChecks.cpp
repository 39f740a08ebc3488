#include "app/SettingsChecks.h"

#include "app/location/VocksLocation.h"
#include "install/DropPicture.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int MinimumPictureSide = 256;
}

PictureVerdict CheckPicture(const QString& path) {
    const QImage picture = ReadDropPicture(path);
    if (picture.isNull())
        return PictureVerdict::Unreadable;
    if (picture.width() < MinimumPictureSide || picture.height() < MinimumPictureSide)
        return PictureVerdict::TooSmall;
    return PictureVerdict::Accepted;
}

bool IsLanguageFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString GameFolderText(const QString& text) {
    if (text.isEmpty() || text.endsWith(QLatin1Char('\\')) || text.endsWith(QLatin1Char('/')))
        return text;
    return text + QDir::separator();
}

bool IsGameFolder(const QString& folder) {
    return !folder.isEmpty() && HoldsVocksProgram(folder);
}
