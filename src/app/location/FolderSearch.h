#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The visible sub-folders of a folder, each as folder + name + "/". Hidden folders (a
// leading "." outside Windows, the hidden attribute on Windows) and symbolic links to
// folders are left out, so a walk never loops or escapes into the whole file system. An
// unreadable folder has no sub-folders.
QStringList ListSubFolders(const QString& folder);

// The files in folder named fileName in any letter case, whatever their attributes, as
// folder + name. folder ends in a separator.
QStringList FindMatchingFiles(const QString& folder, const QString& fileName);

// Called with each folder just before it is listed.
using FolderVisited = std::function<void(const QString& folder)>;

// Searches every root breadth-first, top folder first, for files named fileName in any
// letter case, and returns their full paths in the order found. Each root is searched
// completely even after a hit; a root that was already searched is not searched again.
QStringList SearchFolderTrees(const QStringList& roots, const QString& fileName,
                              const FolderVisited& onFolder);
