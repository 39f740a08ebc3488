#include "removal/ContentOutline.h"

#include "language/TLanguage.h"
#include "removal/ContentNameOrder.h"
#include "removal/FoundContent.h"

#include <QDir>

#include <algorithm>

namespace {
ContentNode& ChildWithText(ContentNode& parent, const QString& text) {
    const auto found = std::ranges::find(parent.Children, text, &ContentNode::Text);
    if (found != parent.Children.end())
        return *found;
    return parent.Children.emplace_back(ContentNode{.Text = text, .File = {}, .Children = {}});
}

// The node a list's files go under, made the first time a list needs it.
ContentNode& ListNode(ContentNode& root, const FoundListInfo& list, const TLanguage& language) {
    ContentNode& group = ChildWithText(root, language.GetString(QString::fromUtf16(list.GroupKey)));
    if (*list.SubGroupKey)
        return ChildWithText(group, language.GetString(QString::fromUtf16(list.SubGroupKey)));
    if (*list.SubGroupFolder)
        return ChildWithText(
            group,
            QDir::toNativeSeparators(QString::fromUtf16(list.SubGroupFolder).replace(u'\\', u'/')));
    return group;
}

// An archive keeps "\" between folders in its entry names; the tree shows the system's
// separator, as in every other name beside them.
QString ShownItemName(QString item) {
    return QDir::toNativeSeparators(item.replace(u'\\', u'/'));
}

ContentNode FileNode(const FoundFile& file, ContentKind kind) {
    ContentNode node{.Text = file.DisplayName,
                     .File = ContentFileInfo{.Path = file.Path,
                                             .Name = file.DisplayName,
                                             .Kind = kind,
                                             .NativePath = file.NativePath},
                     .Children = {}};
    for (const QString& item : file.FarItems) {
        node.Children.push_back({.Text = ShownItemName(item),
                                 .File = ContentFileInfo{.Path = file.Path,
                                                         .Name = item,
                                                         .Kind = ContentKind::FarPackedFiles,
                                                         .InFar = true,
                                                         .NativePath = {}},
                                 .Children = {}});
    }
    return node;
}

void SortLevels(ContentNode& node) {
    std::ranges::stable_sort(node.Children, ComesBeforeByName, &ContentNode::Text);
    for (ContentNode& child : node.Children)
        SortLevels(child);
}

void CollectFiles(const ContentNode& node, std::vector<const ContentFileInfo*>& files) {
    if (node.File)
        files.push_back(&*node.File);
    for (const ContentNode& child : node.Children)
        CollectFiles(child, files);
}
} // namespace

ContentNode BuildContentOutline(const FoundContent& content, const TLanguage& language) {
    ContentNode root{
        .Text = language.GetString(QStringLiteral("InstalledFiles")), .File = {}, .Children = {}};
    for (const FoundListInfo& list : AllFoundLists()) {
        if (content.List(list.Id).isEmpty())
            continue;
        ContentNode& parent = ListNode(root, list, language);
        for (const FoundFile& file : content.List(list.Id))
            parent.Children.push_back(FileNode(file, list.Kind));
    }
    SortLevels(root);
    return root;
}

QString ContentNodePath(const ContentFileInfo& file) {
    return file.InFar ? file.Path + QDir::separator() + file.Name : file.Path;
}

std::vector<const ContentFileInfo*> FileNodesInOrder(const ContentNode& root) {
    std::vector<const ContentFileInfo*> files;
    CollectFiles(root, files);
    return files;
}
