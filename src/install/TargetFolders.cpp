#include "install/TargetFolders.h"

#include "common/PathRules.h"

#include <QFileInfo>

namespace {
// Where the game looks for each kind, relative to the game folder; houses and areas go to
// the chosen neighbourhood's "Houses" folder instead.
QString RelativeFolderOf(ContentKind kind) {
    const int value = ContentKindValue(kind);
    if (kind == ContentKind::FarFiles)
        return QStringLiteral("Downloads");
    if (value >= 120 && value <= 125)
        return QStringLiteral("UserData/Import");
    if (value >= 130 && value <= 137)
        return QStringLiteral("GameData/Skins");
    switch (kind) {
    case ContentKind::Animations:
        return QStringLiteral("GameData/Animation");
    case ContentKind::Walls:
        return QStringLiteral("GameData/Walls");
    case ContentKind::Floors:
        return QStringLiteral("GameData/Floors");
    case ContentKind::Roofs:
        return QStringLiteral("GameData/Roofs");
    default:
        return QStringLiteral("GameData/UserObjects");
    }
}
} // namespace

bool IsHouseOrArea(ContentKind kind) {
    const int value = ContentKindValue(kind);
    return value >= 110 && value <= 115;
}

TargetFolders::TargetFolders(const QString& gameFolder, const QString& hoodFolder)
    : FGameFolder(gameFolder), FHoodFolder(hoodFolder),
      FHoodMissing(!hoodFolder.isEmpty() && !QFileInfo(hoodFolder).isDir()) {}

QString TargetFolders::FolderFor(ContentKind kind) {
    const int value = ContentKindValue(kind);
    const auto known = FKindFolders.constFind(value);
    if (known != FKindFolders.cend())
        return *known;
    QString folder;
    if (!IsHouseOrArea(kind))
        folder = JoinCaseInsensitive(FGameFolder, RelativeFolderOf(kind));
    else if (!FHoodFolder.isEmpty())
        folder = JoinCaseInsensitive(FHoodFolder, QStringLiteral("Houses"));
    folder = WithTrailingSeparator(folder);
    FKindFolders.insert(value, folder);
    return folder;
}

QString TargetFolders::ExistingEntry(const QString& folder, const QString& name) {
    return FEntries.ExistingEntry(folder, name);
}

void TargetFolders::NoteWritten(const QString& folder, const QString& name) {
    FEntries.NoteWritten(folder, name);
}

bool TargetFolders::InMissingHood(ContentKind kind) const {
    return FHoodMissing && IsHouseOrArea(kind);
}
