#include "cli/IffCommands.h"
#include "formats/IffSprites.h"
#include "removal/WallSpritePreview.h"

#include <QDir>
#include <QSaveFile>

namespace {
bool WriteFrame(const QImage& frame, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && frame.save(&file, "PNG") && file.commit();
}

// The frames of the sprite of the type, or nothing when it is missing or unusable.
std::optional<SpriteSet> DecodeOfType(const QString& type, const QString& file, int id) {
    if (type == QLatin1String("SPR#")) {
        const QImage frame = DecodeSprPreview(file, id);
        if (frame.isNull())
            return std::nullopt;
        return SpriteSet{.Version = 0, .FrameCount = 1, .DefaultPaletteId = 0, .Frames = {frame}};
    }
    SpriteSet sprites = DecodeSprites(file, id);
    return sprites.Valid() ? std::optional(std::move(sprites)) : std::nullopt;
}
} // namespace

int RunIffSprite(const QStringList& arguments, CliIo& io) {
    QStringList args = arguments;
    QString type = QStringLiteral("SPR2");
    if (const qsizetype at = args.indexOf(QStringLiteral("--type"));
        at >= 0 && at + 1 < args.size()) {
        type = args[at + 1];
        args.remove(at, 2);
    }
    const std::optional<int> id = ParseChunkId(args.value(1));
    if (args.size() != 3 || !id || (type != QLatin1String("SPR2") && type != QLatin1String("SPR#")))
        return ExitBadUsage;
    if (const std::optional<int> refused = RefuseNonIffFile(args[0], io))
        return *refused;
    const std::optional<SpriteSet> decoded = DecodeOfType(type, args[0], *id);
    if (!decoded)
        return io.Fail(QStringLiteral("no usable %1 sprite with id %2 in %3")
                           .arg(type, QString::number(*id), args[0]));
    const SpriteSet& sprites = *decoded;
    const QDir folder(args[2]);
    if (!folder.mkpath(QStringLiteral(".")))
        return io.Fail(QStringLiteral("cannot create %1").arg(args[2]));
    for (qsizetype n = 0; n < sprites.Frames.size(); ++n) {
        const QString path = folder.filePath(QStringLiteral("frame-%1.png").arg(n));
        if (!sprites.Frames[n].isNull() && !WriteFrame(sprites.Frames[n], path))
            return io.Fail(QStringLiteral("cannot write %1").arg(path));
    }
    io.Record({QString::number(sprites.FrameCount)});
    return ExitSuccess;
}
