#include "install/IntakeTree.h"

#include "install/FileClassifier.h"
#include "language/TLanguage.h"

#include <algorithm>

namespace {
void SortByText(QList<IntakeTreeNode>& nodes) {
    std::ranges::stable_sort(nodes, [](const IntakeTreeNode& a, const IntakeTreeNode& b) {
        return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    });
    for (IntakeTreeNode& node : nodes)
        SortByText(node.Children);
}

// The group node under the root, added when first needed.
IntakeTreeNode& GroupNode(IntakeTreeNode& root, ContentKindGroup group, const TLanguage& language) {
    const QString text = language.GetString(ContentKindGroupKey(group));
    for (IntakeTreeNode& node : root.Children) {
        if (!node.Kind && node.Text == text)
            return node;
    }
    root.Children.append({.Text = text});
    return root.Children.last();
}

void CollectFiles(const IntakeTreeNode& node, QList<const IntakeTreeNode*>& files) {
    if (node.File)
        files.append(&node);
    for (const IntakeTreeNode& child : node.Children)
        CollectFiles(child, files);
}
} // namespace

IntakeTreeNode BuildIntakeTree(const FileClassifier& classifier, const TLanguage& language) {
    IntakeTreeNode root{.Text = language.GetString(QStringLiteral("SelectedFiles"))};
    for (const ContentKind kind : InstallKindOrder()) {
        const CandidateList& list = classifier.KindList(kind);
        if (list.IsEmpty())
            continue;
        const ContentKindInfo& info = *FindContentKind(kind);
        IntakeTreeNode node{.Text = language.GetString(QString::fromUtf16(info.DisplayKey)),
                            .Kind = kind};
        for (const Candidate& file : list.Entries())
            node.Children.append({.Text = file.DisplayName, .Kind = kind, .File = file});
        IntakeTreeNode& parent =
            info.Group == ContentKindGroup::None ? root : GroupNode(root, info.Group, language);
        parent.Children.append(std::move(node));
    }
    SortByText(root.Children);
    return root;
}

QList<const IntakeTreeNode*> IntakeTreeFiles(const IntakeTreeNode& root) {
    QList<const IntakeTreeNode*> files;
    CollectFiles(root, files);
    return files;
}
