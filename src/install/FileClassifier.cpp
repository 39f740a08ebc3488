#include "install/FileClassifier.h"

#include "common/Interaction.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "install/BitmapJudgement.h"
#include "language/TLanguage.h"

#include <algorithm>

namespace {
using enum ContentKind;

// An exported area's main file and the kind it is sorted into.
struct AreaExtension {
    const char16_t* Extension;
    ContentKind Kind;
};
constexpr AreaExtension AreaExtensions[] = {{u".dtl", ExpDowntowns},
                                            {u".vil", ExpIslands},
                                            {u".cmt", ExpCommunities},
                                            {u".stl", ExpStudios},
                                            {u".mtl", ExpMagicAreas}};

struct HouseRange {
    int First;
    int Last;
    ContentKind Kind;
};
constexpr HouseRange HouseRanges[] = {{1, 10, Houses},   {21, 30, Downtowns},
                                      {40, 48, Islands}, {50, 80, Communities},
                                      {81, 89, Studios}, {90, 99, MagicAreas}};

const std::initializer_list<QStringView> AnimationExtensions = {u".bmf", u".cmf", u".cfp", u".bcf"};

// The extension, dot included, of a lower-case file name; empty without one.
QString ExtensionOf(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

// The display name with its extension replaced, as a companion file would be named.
QString WithExtension(const QString& displayName, QStringView extension) {
    const qsizetype dot = displayName.lastIndexOf(u'.');
    const qsizetype separator =
        std::max(displayName.lastIndexOf(u'/'), displayName.lastIndexOf(u'\\'));
    return (dot > separator ? displayName.left(dot) : displayName) + extension.toString();
}

bool AnyPack(const PackFlags& packs) {
    return std::ranges::any_of(packs, [](bool installed) { return installed; });
}

const AreaExtension* FindAreaExtension(const QString& extension, const PackFlags& packs) {
    for (const AreaExtension& area : AreaExtensions) {
        if (extension == area.Extension)
            return PacksAllow(area.Kind, packs) ? &area : nullptr;
    }
    return nullptr;
}

// The skin letter of a mesh: in a ".cmx" name the first character, in a ".skn" name the
// seventh (after a six-character prefix); it counts only when a digit follows it.
std::optional<QChar> MeshLetter(const QString& name, bool skn) {
    const qsizetype at = skn ? 6 : 0;
    if (name.size() <= at + 1 || !name[at + 1].isDigit())
        return std::nullopt;
    return name[at];
}
} // namespace

bool FileClassifier::IsHandledType(const QString& path, const PackFlags& packs) {
    const QString ext = ExtensionOf(BareFileName(path).toLower());
    const std::initializer_list<QStringView> always = {u".far", u".bmp", u".skn", u".cmx", u".iff",
                                                       u".bmf", u".cmf", u".cfp", u".bcf", u".wll",
                                                       u".flr", u".fam", u".pub"};
    return std::ranges::find(always, QStringView(ext)) != always.end() ||
           FindAreaExtension(ext, packs) || (ext == u".srf" && AnyPack(packs));
}

bool FileClassifier::CheckFileType(const QString& sourcePath, const QString& displayName) {
    // The name it was downloaded under: a second archive entry of one name lies on disk
    // under another.
    const QString name = BareFileName(displayName).toLower();
    const QString ext = ExtensionOf(name);
    Candidate candidate{displayName, sourcePath};
    if (ext == u".far")
        Add(FarFiles, std::move(candidate));
    else if (ext == u".bmp")
        FPendingBitmaps.Append(std::move(candidate));
    else if (ext == u".skn" || ext == u".cmx")
        AddMesh(name, std::move(candidate));
    else if (ext == u".iff")
        AddHouse(name, std::move(candidate));
    else if (std::ranges::find(AnimationExtensions, QStringView(ext)) != AnimationExtensions.end())
        Add(Animations, std::move(candidate));
    else if (ext == u".wll")
        Add(Walls, std::move(candidate));
    else if (ext == u".flr")
        Add(Floors, std::move(candidate));
    else if (ext == u".fam")
        AddWithCompanion(Families, std::move(candidate), u".pub");
    else if (const AreaExtension* area = FindAreaExtension(ext, FPacks))
        AddWithCompanion(area->Kind, std::move(candidate), u".srf");
    else if (ext == u".pub")
        AddPublicFile(std::move(candidate));
    else if (ext == u".srf" && AnyPack(FPacks))
        AddAreaSurface(std::move(candidate));
    else
        return false;
    return true;
}

const CandidateList& FileClassifier::KindList(ContentKind kind) const {
    return FKindLists.at(static_cast<size_t>(InstallKindIndex(kind)));
}

void FileClassifier::Add(ContentKind kind, Candidate candidate) {
    FKindLists.at(static_cast<size_t>(InstallKindIndex(kind))).Append(std::move(candidate));
    FHasInstallable = true;
}

void FileClassifier::AddMesh(const QString& name, Candidate candidate) {
    const std::optional<QChar> letter = MeshLetter(name, name.endsWith(u".skn"));
    const std::optional<ContentKind> kind = letter ? SkinKindOfLetter(*letter) : std::nullopt;
    if (!kind)
        Add(SkinAccessories, std::move(candidate));
    else if (PacksAllow(*kind, FPacks))
        Add(*kind, std::move(candidate));
}

void FileClassifier::AddHouse(const QString& name, Candidate candidate) {
    bool isNumber = false;
    const int number =
        name.size() == 11 && name.startsWith(u"house") ? name.mid(5, 2).toInt(&isNumber) : 0;
    if (!isNumber) {
        Add(Objects, std::move(candidate));
        return;
    }
    for (const HouseRange& range : HouseRanges) {
        if (number >= range.First && number <= range.Last && PacksAllow(range.Kind, FPacks))
            Add(range.Kind, std::move(candidate));
    }
}

void FileClassifier::AddWithCompanion(ContentKind kind, Candidate candidate,
                                      QStringView companionExt) {
    const QString companion = WithExtension(candidate.DisplayName, companionExt);
    Add(kind, std::move(candidate));
    if (std::optional<Candidate> waiting = FCompanionPool.Take(companion))
        Add(kind, std::move(*waiting));
}

void FileClassifier::AddPublicFile(Candidate candidate) {
    if (KindList(Families).Contains(WithExtension(candidate.DisplayName, u".fam")))
        Add(Families, std::move(candidate));
    else
        FCompanionPool.Append(std::move(candidate));
}

void FileClassifier::AddAreaSurface(Candidate candidate) {
    bool paired = false;
    for (const AreaExtension& area : AreaExtensions) {
        if (KindList(area.Kind).Contains(WithExtension(candidate.DisplayName, area.Extension))) {
            Add(area.Kind, candidate);
            paired = true;
        }
    }
    if (!paired)
        FCompanionPool.Append(std::move(candidate));
}

bool FileClassifier::ClassifyBitmaps(Interaction& user, const TLanguage& language,
                                     const std::function<void(double)>& progress,
                                     const std::function<bool()>& cancelled) {
    const QList<Candidate> bitmaps = FPendingBitmaps.Entries();
    for (qsizetype i = 0; i < bitmaps.size(); ++i) {
        if (cancelled && cancelled())
            return false;
        ClassifyBitmap(bitmaps[i], user, language);
        progress(static_cast<double>(i + 1) / static_cast<double>(bitmaps.size()));
    }
    FPendingBitmaps.Clear();
    return true;
}

void FileClassifier::ClassifyBitmap(const Candidate& bitmap, Interaction& user,
                                    const TLanguage& language) {
    const auto text = [&](const QString& key) {
        return ReplacePlaceholder(language.GetString(key), u"FileName", bitmap.DisplayName);
    };
    const std::optional<BitmapFacts> facts = ReadBitmapFacts(bitmap.SourcePath);
    if (!facts) {
        user.Ask(MessageKind::Confirmation, text(QStringLiteral("FileBroken")), MessageButtons::Ok);
        return;
    }
    const BitmapVerdict verdict =
        JudgeBitmap(BareFileName(bitmap.DisplayName).toLower(), *facts, FPacks);
    QString questionKey;
    // Return keeps out a bitmap that might crash the game.
    MessageAnswer onReturn = MessageAnswer::No;
    switch (verdict.Question) {
    case BitmapQuestion::None:
        break;
    case BitmapQuestion::UnknownType:
        questionKey = QStringLiteral("BMPUnknownType");
        onReturn = MessageAnswer::Yes;
        break;
    case BitmapQuestion::UnknownTypeBroken:
        questionKey = QStringLiteral("BMPUnknownTypeBroken");
        break;
    case BitmapQuestion::Broken:
        questionKey = QStringLiteral("BMPBroken");
        break;
    }
    const bool wanted =
        questionKey.isEmpty() || user.Ask(MessageKind::Confirmation, text(questionKey),
                                          MessageButtons::YesNo, onReturn) == MessageAnswer::Yes;
    if (wanted && verdict.Kind)
        Add(*verdict.Kind, bitmap);
}
