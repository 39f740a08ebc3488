#include "fileutil/FileCopy.h"

#include "fileutil/ContentHash.h"
#include "fileutil/DiskPath.h"
#include "fileutil/FileIdentity.h"
#include "fileutil/PartialFile.h"
#include "fileutil/PlatformFileSystem.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {
qint64 CopyContents(QFile& input, QFile& output, ContentHash* hash) {
    // Sized to the file, since zeroing a large buffer for each of thousands of small files
    // costs more than the copying.
    constexpr qint64 ChunkSize = 1 << 20;
    std::vector<char> buffer(std::clamp<qint64>(input.size() + 1, 1, ChunkSize));
    qint64 copied = 0;
    for (;;) {
        const qint64 got = input.read(buffer.data(), qint64(buffer.size()));
        if (got <= 0)
            return got < 0 ? -1 : copied;
        if (output.write(buffer.data(), got) != got)
            return -1;
        if (hash)
            hash->Add(QByteArrayView(buffer.data(), got));
        copied += got;
    }
}

// The time stamp goes on last through the open file, since every write moves it.
bool FinishCopy(const QString& source, QFile& input, PartialFile& partial) {
    QFile& output = partial.File();
    const bool written =
        output.flush() && output.setFileTime(input.fileTime(QFileDevice::FileModificationTime),
                                             QFileDevice::FileModificationTime);
    output.close();
    return written && output.error() == QFileDevice::NoError &&
           CopyAttributes(source, partial.Path());
}

qint64 CopyReplacing(const QString& source, const QString& target, ContentHash* hash) {
    // Copying a file onto itself would change nothing, and a move would then delete it.
    if (IsSameFile(source, target))
        return -1;
    QFile input;
    if (!OpenForReading(input, source))
        return -1;
    PartialFile partial(target);
    if (!partial.Open())
        return -1;
    const qint64 copied = CopyContents(input, partial.File(), hash);
    if (copied < 0 || !FinishCopy(source, input, partial) || !partial.Commit())
        return -1;
    return copied;
}
} // namespace

qint64 CopyFileReplacing(const QString& source, const QString& target) {
    return CopyReplacing(source, target, nullptr);
}

bool LinkFile(const QString& source, const QString& target) {
    std::error_code error;
    std::filesystem::create_hard_link(DiskPathOf(source), DiskPathOf(target), error);
    return !error;
}

qint64 CopyFileReplacing(const QString& source, const QString& target, ContentHash& hash) {
    return CopyReplacing(source, target, &hash);
}
