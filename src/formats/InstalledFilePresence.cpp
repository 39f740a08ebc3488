#include "formats/InstalledFilePresence.h"

#include <QDir>

namespace {
// The path up to its last "\" or "/"; empty when it has none.
QString FolderPart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? QString() : path.left(cut);
}

// Paths of three characters or fewer are roots ("C:\", "/"), never an archive.
constexpr qsizetype ShortestArchivePath = 4;
} // namespace

bool InstalledFilePresence::StillThere(ContentKind kind, const QString& fileName) {
    if (FileExists(fileName))
        return true;
    return kind == ContentKind::FarPackedFiles && ArchiveAbove(fileName);
}

// The exact spelling first: one system call for the usual record.
bool InstalledFilePresence::FileExists(const QString& path) {
    if (FProbe.IsRegularFile(path))
        return true;
    const QString slashed = QDir::fromNativeSeparators(path);
    if (QDir::isRelativePath(slashed))
        return false;
    const qsizetype rootEnd = slashed.indexOf(QLatin1Char('/')) + 1;
    const QString root = slashed.left(rootEnd);
    auto cache = FRoots.find(root);
    if (cache == FRoots.end())
        cache = FRoots.insert(root, CaselessFolderCache(root));
    const QString spelt = cache->Resolve(slashed.mid(rootEnd));
    return spelt != slashed && FProbe.IsRegularFile(spelt);
}

bool InstalledFilePresence::ArchiveAbove(const QString& fileName) {
    for (QString path = FolderPart(fileName); path.size() >= ShortestArchivePath;
         path = FolderPart(path)) {
        if (FileExists(path))
            return true;
    }
    return false;
}
