#include "cli/IffCommands.h"
#include "formats/IffSprites.h"

#include <QDir>
#include <QSaveFile>

namespace {
bool WriteFrame(const QImage& frame, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && frame.save(&file, "PNG") && file.commit();
}
} // namespace

int RunIffSprite(const QStringList& args, CliIo& io) {
    const std::optional<int> id = ParseChunkId(args.value(1));
    if (args.size() != 3 || !id)
        return ExitBadUsage;
    if (const std::optional<int> refused = RefuseNonIffFile(args[0], io))
        return *refused;
    const SpriteSet sprites = DecodeSprites(args[0], *id);
    if (!sprites.Valid())
        return io.Fail(QStringLiteral("no usable SPR2 sprite with id %1 in %2")
                           .arg(QString::number(*id), args[0]));
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
