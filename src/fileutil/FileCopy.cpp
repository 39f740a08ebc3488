#include "fileutil/FileCopy.h"

#include "fileutil/FileIdentity.h"
#include "fileutil/PlatformFileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <vector>

namespace {
qint64 CopyContents(QFile& input, QFile& output) {
    constexpr qint64 ChunkSize = 1 << 20;
    std::vector<char> buffer(ChunkSize);
    qint64 copied = 0;
    for (;;) {
        const qint64 got = input.read(buffer.data(), ChunkSize);
        if (got <= 0)
            return got < 0 ? -1 : copied;
        if (output.write(buffer.data(), got) != got)
            return -1;
        copied += got;
    }
}

// The time stamp goes on last through the open file, since every write moves it.
bool FinishCopy(const QString& source, QFile& input, QFile& partial) {
    const bool written =
        partial.flush() && partial.setFileTime(input.fileTime(QFileDevice::FileModificationTime),
                                               QFileDevice::FileModificationTime);
    partial.close();
    return written && partial.error() == QFileDevice::NoError &&
           CopyAttributes(source, partial.fileName());
}

// The partial copy may already carry the source's read-only attribute, which Windows
// refuses to delete: it gets write permission back first.
void DiscardPartial(QTemporaryFile& partial) {
    partial.setPermissions(partial.permissions() | QFileDevice::WriteOwner);
    partial.remove();
    partial.setAutoRemove(false);
}
} // namespace

qint64 CopyFileReplacing(const QString& source, const QString& target) {
    // Copying a file onto itself would change nothing, and a move would then delete it.
    if (IsSameFile(source, target))
        return -1;
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return -1;
    QTemporaryFile partial(QFileInfo(target).absolutePath() +
                           QStringLiteral("/.packwright-XXXXXX.part"));
    if (!partial.open())
        return -1;
    const qint64 copied = CopyContents(input, partial);
    if (copied >= 0 && FinishCopy(source, input, partial) &&
        RenameOver(partial.fileName(), target)) {
        partial.setAutoRemove(false);
        return copied;
    }
    DiscardPartial(partial);
    return -1;
}
