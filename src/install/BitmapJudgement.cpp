#include "install/BitmapJudgement.h"

#include "install/InstallKinds.h"

#include <QImage>
#include <QImageReader>

namespace {
bool IsSkinSize(const QString& name, QSize size) {
    return size == QSize(256, 256) || (size == QSize(128, 128) && name.startsWith(u'c'));
}

// The skin letter code: the first character, when a digit follows it.
std::optional<ContentKind> LetterCodeKind(const QString& name) {
    if (name.size() < 2 || !name[1].isDigit())
        return std::nullopt;
    return SkinKindOfLetter(name[0]);
}

std::optional<ContentKind> AllowedKind(ContentKind kind, const PackFlags& packs) {
    return PacksAllow(kind, packs) ? std::optional(kind) : std::nullopt;
}
} // namespace

std::optional<BitmapFacts> ReadBitmapFacts(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return BitmapFacts{.Size = image.size(), .BitsPerPixel = image.depth()};
}

BitmapVerdict JudgeBitmap(const QString& fileName, const BitmapFacts& facts,
                          const PackFlags& packs) {
    const bool palette = facts.BitsPerPixel <= 8;
    const ContentKind accessory = ContentKind::SkinAccessories;
    if (IsSkinSize(fileName, facts.Size)) {
        const std::optional<ContentKind> letterKind = LetterCodeKind(fileName);
        if (!letterKind)
            return {palette ? BitmapQuestion::UnknownType : BitmapQuestion::UnknownTypeBroken,
                    accessory};
        return {palette ? BitmapQuestion::None : BitmapQuestion::Broken,
                AllowedKind(*letterKind, packs)};
    }
    if (facts.Size == QSize(32, 32))
        return {BitmapQuestion::None, ContentKind::Roofs};
    return {palette ? BitmapQuestion::UnknownType : BitmapQuestion::UnknownTypeBroken, accessory};
}
