// Feeds arbitrary files to the wall sprite decoder. Besides crashes, hangs and sanitizer
// reports, it stops when a picture is larger than any sprite may be.
#include "formats/IffChunks.h"
#include "formats/IffSprites.h"
#include "FuzzInputFile.h"
#include "removal/WallSpritePreview.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = FuzzInputFile(data, size);
    const QList<IffChunkInfo> sprites = ListIffChunks(file, u"SPR#");
    if (sprites.isEmpty())
        return 0;
    const QImage picture = DecodeSprPreview(file, sprites.first().Id);
    if (picture.width() > MaxSpriteSide || picture.height() > MaxSpriteSide)
        std::abort();
    return 0;
}
