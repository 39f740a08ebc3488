#pragma once

#include "formats/ContentKind.h"
#include "install/CandidateList.h"

#include <QList>
#include <QString>

#include <optional>

class FileClassifier;
class TLanguage;

// One node of the tree of files to install: the root, a group, a kind or a file.
struct IntakeTreeNode {
    QString Text{};
    // Set on kind nodes and on the files below them.
    std::optional<ContentKind> Kind{};
    // Set on file nodes only.
    std::optional<Candidate> File{};
    QList<IntakeTreeNode> Children{};
};

// The tree the install tab shows and the scan command prints: the root "Selected Files",
// the kinds that have files (some under the groups "Houses and areas" and "Skins/Meshes"),
// their files; every level sorted by text without regard to letter case.
IntakeTreeNode BuildIntakeTree(const FileClassifier& classifier, const TLanguage& language);

// The file nodes in tree order, depth first.
QList<const IntakeTreeNode*> IntakeTreeFiles(const IntakeTreeNode& root);
