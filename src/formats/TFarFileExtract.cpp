// Extracting entries of a TFarFile to disk.
#include "common/PathRules.h"
#include "formats/FarEntryNames.h"
#include "formats/TFarFile.h"
#include "platform/ProgramPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// "X:" for a folder on a drive, "" where paths have no drives.
QString DriveOf(const QString& folder) {
    return folder.size() >= 2 && folder[1] == QLatin1Char(':') ? folder.left(2) : QString();
}
} // namespace

bool TFarFile::Extract(int index, const QString& target) {
    if (!GetItem(index))
        return false;
    const std::optional<QString> relative = SafeFilePath(index);
    return relative && ShowFailure([&] {
               const QString path = ResolveTarget(target);
               WriteExtracted(
                   index, QFileInfo(path).isDir() ? WithTrailingSeparator(path) + *relative : path);
           });
}

// An entry refused for its name does not keep the others from being extracted; a failed
// write ends the extraction.
bool TFarFile::ExtractAll(const QString& folder) {
    const QString into = WithTrailingSeparator(ResolveTarget(folder));
    bool allSafe = true;
    const bool written = ShowFailure([&] {
        for (int i = 0; i < GetCount(); ++i) {
            if (const std::optional<QString> relative = SafeFilePath(i))
                WriteExtracted(i, into + *relative);
            else
                allSafe = false;
            SetProgress(100 * (i + 1) / GetCount());
        }
    });
    return written && allSafe;
}

// Relative targets refer to RootDir, else to the open archive's folder, else to the
// program's folder; a target starting with a separator lies on that folder's drive.
QString TFarFile::ResolveTarget(const QString& target) const {
    const QString base = !FRootDir.isEmpty()    ? FRootDir
                         : !FFileName.isEmpty() ? QFileInfo(FFileName).absolutePath()
                                                : DataFolder();
    const QString path = ToSlashes(target);
    if (path.startsWith(QLatin1Char('/')))
        return DriveOf(QDir::fromNativeSeparators(base)) + path;
    return QDir(base).absoluteFilePath(path);
}

// The entry's path below a folder. A name that could lead out of a folder is refused, with
// a message, whatever the target, as callers build targets from names too.
std::optional<QString> TFarFile::SafeFilePath(int index) {
    const TFarItem& item = FItems[size_t(index)];
    const QString path = FarEntryFilePath(item.Name(), FKeepPaths);
    if (IsSafeFarEntryName(path))
        return path;
    ShowError(FMessages.UnsafeItemName, FFileName, item.Name());
    return std::nullopt;
}

// The target is replaced in one step, and only by the complete data.
void TFarFile::WriteExtracted(int index, const QString& path) {
    TFarItem& item = FItems[size_t(index)];
    const bool wasLoaded = item.Loaded();
    RequireData(index);
    QSaveFile out(path);
    const bool written = QDir().mkpath(QFileInfo(path).path()) && out.open(QIODevice::WriteOnly) &&
                         out.write(item.Data()) == item.Data().size() && out.commit();
    if (!wasLoaded)
        item.Unload();
    if (!written)
        Throw(FMessages.ItemLoadError, FFileName, item.Name());
}
