// Saving an archive to which entries were only added: their data goes where the directory
// was and a new directory follows, so the old data is never copied.
//
// Overwriting the directory in place would leave an archive without one if the program died
// or the disk filled up half-way. So a copy of the old directory is first parked past
// everything the append will write and the header pointed at that copy; only when the new
// data and directory are complete does the header point at the new directory, and the file
// is cut after it. The header's offset is one aligned 4-byte write, and the disk is synced
// between the steps: at every moment it names a whole directory of the old archive or of
// the new one. A failure puts the old directory back and the file to its old length.
#include "common/PackwrightError.h"
#include "formats/FarDirectory.h"
#include "formats/TFarFile.h"
#include "platform/SyncToDisk.h"

#include <algorithm>
#include <numeric>

namespace {
bool IsNewWithName(const TFarItem& item) {
    return item.Appendable() && !item.Name().isEmpty();
}

bool WriteDurably(QFileDevice& file, qint64 position, const QByteArray& bytes) {
    return file.seek(position) && file.write(bytes) == bytes.size() && SyncToDisk(file);
}

bool PointHeaderAt(QFileDevice& file, qint64 directoryOffset) {
    return WriteDurably(file, FarDirectoryOffsetPosition,
                        EncodeFarOffset(quint32(directoryOffset)));
}
} // namespace

void TFarFile::AppendNewEntries() {
    const std::optional<quint32> directoryOffset = ReadFarDirectoryOffset(FStream);
    const qint64 end = FStream.size();
    if (!directoryOffset || !FStream.seek(*directoryOffset))
        Throw(FMessages.FileReadError, FFileName);
    const QByteArray oldDirectory = FStream.read(end - *directoryOffset);
    if (oldDirectory.size() != end - *directoryOffset)
        Throw(FMessages.FileReadError, FFileName);

    // Data of a foreign archive may follow its directory, where the new data would go.
    const bool dataBeforeDirectory =
        std::all_of(FItems.begin(), FItems.end(), [&](const TFarItem& item) {
            return !item.InArchive() || qint64(item.Offset()) + item.Size() <= *directoryOffset;
        });
    if (!dataBeforeDirectory)
        return WriteNewArchive(FFileName, 0, 100);

    const std::vector<int> added = IndexesWhere(IsNewWithName);
    Offsets offsets = CurrentOffsets();
    const qint64 addedSize =
        std::accumulate(added.begin(), added.end(), qint64(0), [this](qint64 sum, int index) {
            return sum + FItems[size_t(index)].Size();
        });
    const qint64 directorySize = EncodeFarDirectory(DirectoryEntries(offsets)).size();
    const qint64 parkAt = std::max(end, *directoryOffset + addedSize + directorySize);
    if (parkAt + oldDirectory.size() > FarLargestPosition)
        Throw(FMessages.FileCreateError, FFileName);

    try {
        if (!WriteDurably(FStream, parkAt, oldDirectory) || !PointHeaderAt(FStream, parkAt) ||
            !FStream.seek(*directoryOffset))
            Throw(FMessages.FileCreateError, FFileName);
        // A source file that grew since it was added would run into the parked directory.
        WriteEntries(FStream, added, parkAt - directorySize, offsets, 0, 90);
        const qint64 newDirectoryOffset = FStream.pos();
        const QByteArray newDirectory = EncodeFarDirectory(DirectoryEntries(offsets));
        if (!WriteDurably(FStream, newDirectoryOffset, newDirectory) ||
            !PointHeaderAt(FStream, newDirectoryOffset) ||
            !FStream.resize(newDirectoryOffset + newDirectory.size()))
            Throw(FMessages.FileCreateError, FFileName);
    } catch (const EPackwrightError&) {
        RestoreDirectory(*directoryOffset, oldDirectory, end);
        throw;
    }
    MarkWritten(added, offsets);
    FChanged = false;
}

// Best effort: should it fail as well, the header still names a whole directory.
void TFarFile::RestoreDirectory(quint32 directoryOffset, const QByteArray& directory, qint64 end) {
    if (WriteDurably(FStream, directoryOffset, directory) &&
        PointHeaderAt(FStream, directoryOffset))
        FStream.resize(end);
}
