#pragma once

#include "formats/ContentKind.h"

#include <QString>

#include <optional>
#include <vector>

class TLanguage;
struct FoundContent;

// What a file node of the content tree stands for.
struct ContentFileInfo {
    // The full path; for an entry of a FAR archive the archive's path.
    QString Path;
    // The display name, or the entry's name inside its archive (which the node's text shows
    // with the system's separator).
    QString Name;
    ContentKind Kind = ContentKind::Objects;
    // An entry of a FAR archive (kind 106).
    bool InFar = false;
    // Path as the disk spells it when Path's text does not; empty otherwise.
    QByteArray NativePath;

    bool operator==(const ContentFileInfo&) const = default;
};

// One node of the content tree; group nodes have no File.
struct ContentNode {
    QString Text;
    std::optional<ContentFileInfo> File;
    std::vector<ContentNode> Children;
};

// The tree of found content: the root, the groups and sub-groups (captions from the
// language), then the files, every level sorted by text without regard to letter case; a
// FAR archive holds its entries. A root without children means nothing was found.
ContentNode BuildContentOutline(const FoundContent& content, const TLanguage& language);

// The path by which a file node is named outside the tree: its Path, or for an entry of
// an archive the archive's path, the system's separator and the entry's name.
QString ContentNodePath(const ContentFileInfo& file);

// Every file node in tree order, parents before their children.
std::vector<const ContentFileInfo*> FileNodesInOrder(const ContentNode& root);
