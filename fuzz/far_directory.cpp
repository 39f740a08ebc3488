// Feeds arbitrary bytes to the FAR directory reader. Besides crashes and sanitizer reports,
// it stops on an accepted directory that points outside the input or that does not read
// back the same once written again.
#include "formats/FarDirectory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
bool SameEntries(const std::vector<FarDirectoryEntry>& a, const std::vector<FarDirectoryEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const FarDirectoryEntry& x, const FarDirectoryEntry& y) {
                          return x.Name == y.Name && x.Size == y.Size && x.Offset == y.Offset;
                      });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const FarDirectory directory = ReadFarDirectory(input);
    if (directory.Outcome != FarReadOutcome::Valid)
        return 0;
    for (const FarDirectoryEntry& entry : directory.Entries) {
        if (qint64(entry.Offset) + entry.Size > qint64(size))
            std::abort();
    }
    // The entries' data stays where it is, so the rewritten directory can simply follow it.
    const QByteArray rewritten =
        EncodeFarHeader(quint32(size)) + input.mid(16) + EncodeFarDirectory(directory.Entries);
    if (!SameEntries(ReadFarDirectory(rewritten).Entries, directory.Entries))
        std::abort();
    return 0;
}
