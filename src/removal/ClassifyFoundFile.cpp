#include "removal/ClassifyFoundFile.h"

#include "common/PathRules.h"
#include "formats/GameFileList.h"

#include <algorithm>
#include <array>

namespace {
using enum FoundListId;

// A folder a rule looks in, in lower case with "/" and its trailing separator.
struct RuleFolder {
    QLatin1StringView Text;
    FoundListId List;
};

// The parts of the path the rules look at, compared without regard to letter case: every
// file of the game folder passes here, so nothing is copied but the path's separators.
struct PathParts {
    QString Path; // with "/"
    QStringView Name;
    QStringView Extension; // with the dot; empty for none
};

PathParts PartsOf(const QString& relativePath) {
    PathParts parts{.Path = ToSlashes(relativePath), .Name = {}, .Extension = {}};
    parts.Name = QStringView(parts.Path).mid(parts.Path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = parts.Name.lastIndexOf(QLatin1Char('.'));
    parts.Extension = dot < 0 ? QStringView() : parts.Name.mid(dot);
    return parts;
}

bool IsExtension(const PathParts& parts, QLatin1StringView extension) {
    return parts.Extension.compare(extension, Qt::CaseInsensitive) == 0;
}

bool HasExtension(const PathParts& parts, std::initializer_list<QLatin1StringView> extensions) {
    return std::ranges::any_of(extensions,
                               [&](QLatin1StringView ext) { return IsExtension(parts, ext); });
}

// The first of the folders the path lies in.
const RuleFolder* FolderOf(const PathParts& parts, std::span<const RuleFolder> folders) {
    for (const RuleFolder& folder : folders) {
        if (parts.Path.startsWith(folder.Text, Qt::CaseInsensitive))
            return &folder;
    }
    return nullptr;
}

std::optional<FoundFileClass> Take(const PathParts& parts, const RuleFolder& folder,
                                   const GameFileList& gameFiles) {
    if (gameFiles.Contains(FoundListOf(folder.List).Kind, parts.Path))
        return std::nullopt;
    return FoundFileClass{.List = folder.List, .DisplayName = parts.Path.mid(folder.Text.size())};
}

constexpr std::array ObjectFolders{
    RuleFolder{.Text = QLatin1StringView("gamedata/objects/"), .List = ObjectsInObjects},
    RuleFolder{.Text = QLatin1StringView("gamedata/userobjects/"), .List = ObjectsInUserObjects},
    RuleFolder{.Text = QLatin1StringView("downloads/"), .List = ObjectsInDownloads},
};

// The list stands in for "any skin list" until the letter decides.
constexpr std::array SkinFolders{
    RuleFolder{.Text = QLatin1StringView("gamedata/skins/"), .List = Accessories},
    RuleFolder{.Text = QLatin1StringView("expansionpack3/skinsbuy/"), .List = Accessories},
    RuleFolder{.Text = QLatin1StringView("expansionshared/skinsbuy/"), .List = Accessories},
};

constexpr std::array AnimationFolders{
    RuleFolder{.Text = QLatin1StringView("gamedata/animation/"), .List = Animations},
    RuleFolder{.Text = QLatin1StringView("gamedata/skins/"), .List = Animations},
};

constexpr std::array RoofFolder{
    RuleFolder{.Text = QLatin1StringView("gamedata/roofs/"), .List = Roofs}};
constexpr std::array WallFolder{
    RuleFolder{.Text = QLatin1StringView("gamedata/walls/"), .List = Walls}};
constexpr std::array FloorFolder{
    RuleFolder{.Text = QLatin1StringView("gamedata/floors/"), .List = Floors}};

// A skin's kind is told by a letter followed by a digit, at the start of the name of a
// bitmap or .cmx mesh and after "xskin-" in a .skn mesh.
FoundListId SkinListOf(const PathParts& parts) {
    const qsizetype at = IsExtension(parts, QLatin1StringView(".skn")) ? 6 : 0;
    if (parts.Name.size() < at + 2)
        return Accessories;
    const char16_t digit = parts.Name[at + 1].unicode();
    if (digit < u'0' || digit > u'9')
        return Accessories;
    switch (parts.Name[at].toLower().unicode()) {
    case u'b':
        return Skins;
    case u'c':
        return Heads;
    case u'f':
        return Formals;
    case u'l':
        return Pyjamas;
    case u's':
        return Swimsuits;
    case u'w':
        return Winters;
    case u'h':
        return Fashions;
    default:
        return Accessories;
    }
}

bool IsSkinFile(const PathParts& parts) {
    return HasExtension(parts, {QLatin1StringView(".cmx"), QLatin1StringView(".skn")}) ||
           (IsExtension(parts, QLatin1StringView(".bmp")) && FolderOf(parts, SkinFolders));
}

std::optional<FoundFileClass> ClassifySkin(const PathParts& parts, const GameFileList& gameFiles) {
    const RuleFolder* folder = FolderOf(parts, SkinFolders);
    if (!folder)
        return std::nullopt;
    return Take(parts, RuleFolder{.Text = folder->Text, .List = SkinListOf(parts)}, gameFiles);
}

// A rule that takes files of some extensions found in one of its folders.
struct FolderRule {
    std::initializer_list<QLatin1StringView> Extensions;
    std::span<const RuleFolder> Folders;
};

std::optional<FoundFileClass> ClassifyByFolder(const PathParts& parts,
                                               const GameFileList& gameFiles) {
    const std::array rules{
        FolderRule{.Extensions = {QLatin1StringView(".iff")}, .Folders = ObjectFolders},
        FolderRule{.Extensions = {QLatin1StringView(".bmp")}, .Folders = RoofFolder},
        FolderRule{.Extensions = {QLatin1StringView(".wll")}, .Folders = WallFolder},
        FolderRule{.Extensions = {QLatin1StringView(".flr")}, .Folders = FloorFolder},
        FolderRule{.Extensions = {QLatin1StringView(".bmf"), QLatin1StringView(".cmf"),
                                  QLatin1StringView(".cfp"), QLatin1StringView(".bcf")},
                   .Folders = AnimationFolders},
    };
    for (const FolderRule& rule : rules) {
        if (!HasExtension(parts, rule.Extensions))
            continue;
        const RuleFolder* folder = FolderOf(parts, rule.Folders);
        return folder ? Take(parts, *folder, gameFiles) : std::nullopt;
    }
    return std::nullopt;
}
} // namespace

std::optional<FoundFileClass> ClassifyFoundFile(const QString& relativePath,
                                                const GameFileList& gameFiles) {
    const PathParts parts = PartsOf(relativePath);
    if (IsSkinFile(parts))
        return ClassifySkin(parts, gameFiles);
    if (IsExtension(parts, QLatin1StringView(".far"))) {
        if (gameFiles.Contains(ContentKind::FarFiles, parts.Path))
            return std::nullopt;
        return FoundFileClass{.List = FarArchives, .DisplayName = parts.Path};
    }
    return ClassifyByFolder(parts, gameFiles);
}
