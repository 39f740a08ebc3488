// Feeds arbitrary bytes to the bitmap reader that sorts skins and roofs. Besides crashes and
// sanitizer reports, it stops when a bitmap read as a skin or roof has another size.
#include "FuzzInputFile.h"
#include "install/BitmapJudgement.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<BitmapFacts> facts = ReadBitmapFacts(FuzzInputFile(data, size));
    if (!facts)
        return 0;
    constexpr PackFlags AllPacks{true, true, true, true, true};
    const BitmapVerdict verdict = JudgeBitmap(QStringLiteral("b001.bmp"), *facts, AllPacks);
    const bool skinOrRoof =
        verdict.Kind == ContentKind::RegularSkins || verdict.Kind == ContentKind::Roofs;
    const bool rightSize = facts->Size == QSize(256, 256) || facts->Size == QSize(32, 32);
    if (skinOrRoof != rightSize)
        std::abort();
    return 0;
}
