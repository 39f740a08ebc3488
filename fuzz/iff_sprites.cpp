// Feeds arbitrary files to the sprite decoder, decoding the first few SPR2 chunks. Besides
// crashes, hangs and sanitizer reports, it stops when a usable sprite has a frame count
// other than its frames, or more pixels than any sprite may hold.
#include "formats/IffChunks.h"
#include "formats/IffSprites.h"
#include "FuzzInputFile.h"

#include <cstdlib>

namespace {
constexpr qsizetype SpritesPerInput = 4;

void CheckSprites(const SpriteSet& sprites) {
    if (!sprites.Valid()) {
        if (sprites.FrameCount != -1 || sprites.DefaultPaletteId != -1 || !sprites.Frames.isEmpty())
            std::abort();
        return;
    }
    qint64 pixels = 0;
    for (const QImage& frame : sprites.Frames)
        pixels += qint64(frame.width()) * frame.height();
    if (sprites.Frames.size() != sprites.FrameCount || pixels > MaxSpritePixels)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = FuzzInputFile(data, size);
    const QList<IffChunkInfo> sprites = ListIffChunks(file, u"SPR2");
    for (qsizetype i = 0; i < std::min(sprites.size(), SpritesPerInput); ++i)
        CheckSprites(DecodeSprites(file, sprites[i].Id));
    return 0;
}
