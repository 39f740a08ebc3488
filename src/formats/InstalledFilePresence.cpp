#include "formats/InstalledFilePresence.h"

#include "platform/FileKind.h"

namespace {
// The path up to its last "\" or "/"; empty when it has none.
QString FolderPart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? QString() : path.left(cut);
}

// Paths of three characters or fewer are roots ("C:\", "/"), never an archive.
constexpr qsizetype ShortestArchivePath = 4;

bool ArchiveAbove(const QString& fileName) {
    for (QString path = FolderPart(fileName); path.size() >= ShortestArchivePath;
         path = FolderPart(path)) {
        if (IsRegularFile(path))
            return true;
    }
    return false;
}
} // namespace

bool InstalledFileStillThere(ContentKind kind, const QString& fileName) {
    if (IsRegularFile(fileName))
        return true;
    return kind == ContentKind::FarPackedFiles && ArchiveAbove(fileName);
}
