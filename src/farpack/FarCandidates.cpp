#include "farpack/FarCandidates.h"

#include "common/PathRules.h"
#include "fileutil/TFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
std::vector<FarCandidate> CandidatesBelow(const QString& gameFolder, FarSource source) {
    const QString folder = FarSourceFolder(gameFolder, source);
    std::vector<FarCandidate> found;
    if (!QFileInfo(folder).isDir())
        return found;
    TFiles files;
    files.SetRecursive(true);
    // Packing moves its files away: never those of a folder a link leads to outside.
    files.SetFollowLinksOut(false);
    files.FindFiles(folder + QStringLiteral("*.iff"));
    for (const QString& path : files.Files()) {
        if (!QFileInfo(path).isFile())
            continue;
        QString entryName = path.mid(folder.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
        found.push_back({source, std::move(entryName), QDir::toNativeSeparators(path)});
    }
    // Names equal but for letter case keep one order on every system.
    std::sort(found.begin(), found.end(), [](const FarCandidate& a, const FarCandidate& b) {
        const int caseless = a.EntryName.compare(b.EntryName, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a.EntryName < b.EntryName;
    });
    return found;
}
} // namespace

QString FarSourceFolder(const QString& gameFolder, FarSource source) {
    const auto& info = FarSources[size_t(source)];
    return WithTrailingSeparator(JoinCaseInsensitive(
        WithTrailingSeparator(QDir::fromNativeSeparators(gameFolder)), QLatin1String(info.Folder)));
}

std::vector<FarCandidate> FindFarCandidates(const QString& gameFolder) {
    std::vector<FarCandidate> all;
    for (const FarSourceInfo& info : FarSources) {
        std::vector<FarCandidate> found = CandidatesBelow(gameFolder, info.Source);
        all.insert(all.end(), std::make_move_iterator(found.begin()),
                   std::make_move_iterator(found.end()));
    }
    return all;
}
