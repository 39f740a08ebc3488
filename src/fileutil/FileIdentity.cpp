#include "fileutil/FileIdentity.h"

#include <filesystem>

namespace {
std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}
} // namespace

bool IsSameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(FileSystemPath(a), FileSystemPath(b), error);
}

bool RenameOver(const QString& from, const QString& to, QString* reason) {
    std::error_code error;
    std::filesystem::rename(FileSystemPath(from), FileSystemPath(to), error);
    if (error && reason)
        *reason = QString::fromStdString(error.message());
    return !error;
}
