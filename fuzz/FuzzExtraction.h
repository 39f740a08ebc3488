#pragma once

#include "archive/ArchiveExtractor.h"
#include "common/Interaction.h"
#include "FuzzInputFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

// Gives every password prompt one wrong answer and shows nothing.
class SilentFuzzInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(MessageKind, const QString&, MessageButtons, MessageAnswer) override {
        return MessageAnswer::No;
    }
    std::unique_ptr<ProgressHandle> BeginProgress(const QString&) override { return nullptr; }
    FileDialogAnswer AskForPaths(const FileDialogRequest&) override { return {}; }
    FileExistsReply AskFileExists(const FileExistsQuestion&) override { return {}; }
    std::optional<QString> AskPassword(const QString&, const QString&) override {
        return QStringLiteral("guess");
    }
    HoodChoice ChooseNeighbourhood(const QString&, const ExpansionFlags&) override { return {}; }
};

// Extracts every entry of the archive into a fresh folder and stops the run when anything
// lands outside that folder, or when what lands there is not a plain file.
inline void ExtractEveryEntry(const QString& archive) {
    const QTemporaryDir root;
    SilentFuzzInteraction user;
    const ArchiveExtractor extractor(user, ArchiveMessages());
    extractor.Extract(archive, archive, root.filePath(QStringLiteral("out")),
                      [](const ArchiveEntry&, const QString& name) { return name; });
    const auto listed = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    const QStringList top = QDir(root.path()).entryList(listed);
    if (!top.isEmpty() && top != QStringList({QStringLiteral("out")}))
        std::abort();
    for (const QFileInfo& file : QDir(root.filePath(QStringLiteral("out"))).entryInfoList(listed)) {
        if (!file.isFile() || file.isSymLink())
            std::abort();
    }
}
