#include "install/DeleteFolderTree.h"

#include <QDir>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
// Entries in a folder without write permission cannot be removed; the folders of the tree
// are ours to open up. Links are neither followed nor changed.
void AllowRemovingEntries(const fs::path& root) {
    std::error_code error;
    const auto ownerAll = fs::perms::owner_all;
    fs::permissions(root, ownerAll, fs::perm_options::add, error);
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            fs::permissions(it->path(), ownerAll, fs::perm_options::add, error);
    }
}

// Only a path known to be missing is gone: one behind a folder that denies entry may be there.
bool IsGone(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::not_found;
}
} // namespace

bool DeleteFolderTree(const QString& path) {
    // An empty text would name the working folder.
    if (path.isEmpty())
        return false;
    const fs::path root = QDir(path).filesystemAbsolutePath();
    if (IsGone(root))
        return true;
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(root, error)))
        AllowRemovingEntries(root);
    fs::remove_all(root, error);
    return !error && IsGone(root);
}
