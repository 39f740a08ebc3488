#include "fileutil/FileCopy.h"

#include "fileutil/FileIdentity.h"
#include "fileutil/PlatformFileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <vector>

namespace {
// A hidden partial file of a fresh name beside target. A named file rather than a
// QTemporaryFile: that one starts unnamed and costs three more file-system operations to
// be given a name, which doubled the time of installing thousands of small files.
bool OpenPartial(const QString& target, QFile& partial) {
    constexpr int Attempts = 16;
    const QString folder = QFileInfo(target).absolutePath();
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        partial.setFileName(
            QStringLiteral("%1/.packwright-%2.part")
                .arg(folder)
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
        if (partial.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!partial.exists())
            return false;
    }
    return false;
}

qint64 CopyContents(QFile& input, QFile& output) {
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
void DiscardPartial(QFile& partial) {
    partial.setPermissions(partial.permissions() | QFileDevice::WriteOwner);
    partial.remove();
}
} // namespace

qint64 CopyFileReplacing(const QString& source, const QString& target) {
    // Copying a file onto itself would change nothing, and a move would then delete it.
    if (IsSameFile(source, target))
        return -1;
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return -1;
    QFile partial;
    if (!OpenPartial(target, partial))
        return -1;
    const qint64 copied = CopyContents(input, partial);
    if (copied >= 0 && FinishCopy(source, input, partial) && RenameOver(partial.fileName(), target))
        return copied;
    DiscardPartial(partial);
    return -1;
}
