#include "fileutil/FileIdentity.h"

#include "fileutil/DiskPath.h"

bool IsSameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(DiskPathOf(a), DiskPathOf(b), error);
}

bool RenameOver(const QString& from, const QString& to, QString* reason) {
    std::error_code error;
    std::filesystem::rename(DiskPathOf(from), DiskPathOf(to), error);
    if (error && reason)
        *reason = QString::fromStdString(error.message());
    return !error;
}
