#include "platform/ProgramPlaces.h"

#include "platform/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// An empty text stays empty rather than naming the root folder.
QString WithSeparator(const QString& folder) {
    QString path = QDir::fromNativeSeparators(folder);
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

bool HoldsDatabase(const QString& folder) {
    return !QDir(folder).entryList({QStringLiteral("files.iff")}, QDir::Files).isEmpty();
}

bool IsBelow(const QString& folder, const QString& prefix) {
    const QString canonicalPrefix = QFileInfo(prefix).canonicalFilePath();
    if (canonicalPrefix.isEmpty())
        return false;
    return WithSeparator(QFileInfo(folder).canonicalFilePath())
        .startsWith(WithSeparator(canonicalPrefix));
}

bool IsPortable(const ProgramSurroundings& surroundings) {
    const QString& folder = surroundings.ExecutableFolder;
    return HoldsDatabase(folder) ||
           (QFileInfo(folder).isWritable() && !IsBelow(folder, surroundings.InstallPrefix));
}

ProgramSurroundings ThisRunsSurroundings() {
    return {.HomeOverride = qEnvironmentVariable("PACKWRIGHT_HOME"),
            .ExecutableFolder = QCoreApplication::applicationDirPath(),
            .InstallPrefix = QString::fromUtf8(InstallPrefix),
            .FilesFromExecutable = QString::fromUtf8(SharedFilesFromExecutable),
            .UserDataFolder =
                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
}
} // namespace

ProgramPlaces ResolveProgramPlaces(const ProgramSurroundings& surroundings) {
    if (!surroundings.HomeOverride.isEmpty()) {
        const QString home = WithSeparator(surroundings.HomeOverride);
        return {.Files = home, .Data = home};
    }
    if (IsPortable(surroundings)) {
        const QString folder = WithSeparator(surroundings.ExecutableFolder);
        return {.Files = folder, .Data = folder};
    }
    const QDir executableFolder(surroundings.ExecutableFolder);
    const QString data = QDir(surroundings.UserDataFolder).filePath(QStringLiteral("packwright"));
    QDir().mkpath(data);
    return {.Files = WithSeparator(
                QDir::cleanPath(executableFolder.filePath(surroundings.FilesFromExecutable))),
            .Data = WithSeparator(data)};
}

ProgramPlaces CurrentProgramPlaces() {
    const ProgramSurroundings surroundings = ThisRunsSurroundings();
    if (!surroundings.HomeOverride.isEmpty())
        return ResolveProgramPlaces(surroundings);
    static const ProgramPlaces decided = ResolveProgramPlaces(surroundings);
    return decided;
}

QString ProgramFilesFolder() {
    return CurrentProgramPlaces().Files;
}

QString DataFolder() {
    return CurrentProgramPlaces().Data;
}
