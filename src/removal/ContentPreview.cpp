#include "removal/ContentPreview.h"

#include "common/PackwrightError.h"
#include "formats/IffChunks.h"
#include "formats/IffSprites.h"
#include "formats/IffStringList.h"
#include "language/TLanguage.h"
#include "removal/WallSpritePreview.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int WallSpriteId = 1793;
constexpr int FloorSpriteId = 513;
constexpr int FirstObjectPictureId = 6001;
constexpr int LastObjectPictureId = 6019;

bool IsObjectKind(ContentKind kind) {
    return kind == ContentKind::Objects || kind == ContentKind::FarPackedFiles;
}

bool IsSkinKind(ContentKind kind) {
    const int value = ContentKindValue(kind);
    return kind == ContentKind::Roofs || (value >= 130 && value <= 137);
}

bool HasExtension(const QString& path, QLatin1StringView extension) {
    return path.endsWith(extension, Qt::CaseInsensitive);
}

// Two entries of a string list joined as the game's descriptions read; missing entries are empty.
QString JoinedEntries(const IffChunkInfo& chunk, qsizetype first, qsizetype second) {
    if (!chunk.Found())
        return {};
    const QList<IffStringEntry> entries = ParseStringList(chunk);
    return entries.value(first).Value + QStringLiteral(" -- ") + entries.value(second).Value;
}

QImage ObjectPicture(const QString& path) {
    const QList<IffChunkInfo> bitmaps = ListIffChunks(path, u"BMP_");
    for (int id = FirstObjectPictureId; id <= LastObjectPictureId; ++id) {
        const auto found = std::ranges::find(bitmaps, id, &IffChunkInfo::Id);
        if (found != bitmaps.end())
            return QImage::fromData(found->Data, "BMP");
    }
    return {};
}

QString ObjectDescription(const QString& path) {
    const QList<IffChunkInfo> texts = ListIffChunks(path, u"CTSS");
    return texts.isEmpty() ? QString() : JoinedEntries(texts.first(), 0, 1);
}

QImage FloorPicture(const QString& path) {
    const SpriteSet sprites = DecodeSprites(path, FloorSpriteId);
    return sprites.Frames.isEmpty() ? QImage() : sprites.Frames.first();
}

// The preview decoded from the file itself.
ContentPreview Decode(const QString& path, ContentKind kind, const TLanguage& language) {
    if (IsObjectKind(kind) && HasExtension(path, QLatin1StringView(".iff")))
        return {.Shown = true,
                .Picture = ObjectPicture(path),
                .Description = ObjectDescription(path),
                .DoubleSize = true};
    if (kind == ContentKind::Walls || kind == ContentKind::Floors) {
        const QImage picture =
            kind == ContentKind::Walls ? DecodeSprPreview(path, WallSpriteId) : FloorPicture(path);
        return {.Shown = true,
                .Picture = picture,
                .Description = JoinedEntries(FindIffChunk(path, u"STR#", 0), 0, 2),
                .DoubleSize = false};
    }
    if (IsSkinKind(kind) && HasExtension(path, QLatin1StringView(".bmp")))
        return {.Shown = true,
                .Picture = QImage(path, "BMP"),
                .Description = language.GetString(QStringLiteral("EmptyDescription")),
                .DoubleSize = false};
    return {};
}

std::optional<ContentPreview> Cached(const QString& base, ContentKind kind) {
    QFile text(base + QStringLiteral(".txt"));
    if (!QFileInfo::exists(base + QStringLiteral(".bmp")) || !text.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ContentPreview{.Shown = true,
                          .Picture = QImage(base + QStringLiteral(".bmp"), "BMP"),
                          .Description = QString::fromUtf8(text.readAll()),
                          .DoubleSize = IsObjectKind(kind)};
}

// Only decoded pictures and descriptions are cached: a skin's bitmap is its own cache.
void WriteCache(const ContentPreview& preview, const QString& base) {
    preview.Picture.save(base + QStringLiteral(".bmp"), "BMP");
    QSaveFile text(base + QStringLiteral(".txt"));
    if (!text.open(QIODevice::WriteOnly) || text.write(preview.Description.toUtf8()) < 0)
        return;
    text.commit();
}

ContentPreview Finished(ContentPreview preview, ContentKind kind) {
    if (!preview.DoubleSize && !preview.Picture.isNull())
        preview.Picture = WithTransparentCorner(preview.Picture, kind);
    return preview;
}
} // namespace

ContentPreview BuildContentPreview(const QString& path, ContentKind kind, const QString& base,
                                   const TLanguage& language) {
    // An archive entry that could not be extracted has no file to show.
    if (path.isEmpty())
        return {};
    if (std::optional<ContentPreview> cached = Cached(base, kind))
        return Finished(std::move(*cached), kind);
    ContentPreview preview;
    try {
        preview = Decode(path, kind, language);
    } catch (const EPackwrightError&) {
        return {};
    }
    if (preview.Shown && !IsSkinKind(kind) && !preview.Picture.isNull())
        WriteCache(preview, base);
    return Finished(std::move(preview), kind);
}

QImage WithTransparentCorner(const QImage& picture, ContentKind kind) {
    const QPoint corner =
        kind == ContentKind::Walls ? QPoint(0, 0) : QPoint(0, picture.height() - 1);
    const QRgb transparent = picture.pixel(corner);
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == transparent)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return result;
}
