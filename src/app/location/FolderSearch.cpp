#include "app/location/FolderSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <deque>

QStringList ListSubFolders(const QString& folder) {
    // Without QDir::Hidden the listing leaves hidden folders out.
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                             QDir::Name | QDir::IgnoreCase);
    QStringList subFolders;
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink())
            subFolders.append(folder + entry.fileName() + u'/');
    }
    return subFolders;
}

QStringList FindMatchingFiles(const QString& folder, const QString& fileName) {
    // Name filters match without regard to letter case unless told otherwise.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {fileName}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    QStringList matches;
    for (const QFileInfo& entry : entries) {
        // System also lists links that lead nowhere; only real files count.
        if (entry.isFile())
            matches.append(folder + entry.fileName());
    }
    return matches;
}

namespace {
// Appends the matches in one tree, breadth-first, that were not found before.
void SearchTree(const QString& root, const QString& fileName, const FolderVisited& onFolder,
                QSet<QString>& found, QStringList& hits) {
    std::deque<QString> work{root};
    while (!work.empty()) {
        const QString folder = std::move(work.front());
        work.pop_front();
        onFolder(folder);
        const QStringList subFolders = ListSubFolders(folder);
        work.insert(work.end(), subFolders.begin(), subFolders.end());
        for (const QString& match : FindMatchingFiles(folder, fileName)) {
            // A tree that lies inside an earlier one finds the same file again.
            if (!found.contains(QFileInfo(match).canonicalFilePath())) {
                found.insert(QFileInfo(match).canonicalFilePath());
                hits.append(match);
            }
        }
    }
}
} // namespace

QStringList SearchFolderTrees(const QStringList& roots, const QString& fileName,
                              const FolderVisited& onFolder) {
    QSet<QString> searchedRoots;
    QSet<QString> found;
    QStringList hits;
    for (const QString& root : roots) {
        const QString real = QFileInfo(root).canonicalFilePath();
        if (real.isEmpty() || searchedRoots.contains(real))
            continue;
        searchedRoots.insert(real);
        SearchTree(root, fileName, onFolder, found, hits);
    }
    return hits;
}
