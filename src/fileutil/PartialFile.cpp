#include "fileutil/PartialFile.h"

#include "common/PathBytes.h"
#include "fileutil/DiskPath.h"
#include "fileutil/FileIdentity.h"

#include <QCryptographicHash>
#include <QFileInfo>

// The partial file may already carry a source's read-only attribute, which RemoveFile
// takes away first.
PartialFile::~PartialFile() {
    if (FCommitted || FPath.isEmpty())
        return;
    FFile.close();
    RemoveFile(FPath);
}

// The name of a long target would not fit in a file name with the additions: a hash of it
// stands in, the same in every process.
QString PartialPathFor(const QString& target) {
    const QFileInfo info(target);
    const QByteArray hash =
        QCryptographicHash::hash(BytesOfPath(info.fileName()), QCryptographicHash::Md5).toHex();
    return QStringLiteral("%1/.packwright-%2.part")
        .arg(info.absolutePath(), QLatin1String(hash.left(16)));
}

// A named file rather than a QTemporaryFile: that one starts unnamed on Linux and costs
// three more file-system operations to be given a name, which doubled the time of writing
// thousands of small files. A partial file already there was left by a write that a crash
// cut short, and goes.
bool PartialFile::Open() {
    FPath = PartialPathFor(FTarget);
    if (OpenNewForWriting(FFile, FPath, &FError) ||
        (RemoveFile(FPath) && OpenNewForWriting(FFile, FPath, &FError)))
        return true;
    FPath.clear();
    return false;
}

bool PartialFile::Commit() {
    FFile.close();
    FCommitted = RenameOver(FPath, FTarget, &FError);
    return FCommitted;
}
