// Feeds arbitrary bytes to the zip component as an archive and extracts every entry. Besides
// crashes and sanitizer reports, it stops when anything is written outside the extraction
// folder, or when what lands there is not a plain file.
#include "FuzzInputFile.h"
#include "install/TZipBuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
// Gives every password prompt one wrong answer and shows nothing.
class SilentInteraction : public Interaction {
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString archive = FuzzInputFile(data, size);
    const QTemporaryDir root;
    SilentInteraction user;
    TZipBuilder zip(user);
    zip.SetUnattended(true);
    zip.SetZipFileName(archive);
    zip.SetExtrOptions(ExtrOption::ExtrOverWrite);
    zip.SetExtrBaseDir(root.filePath(QStringLiteral("out")));
    for (int i = 0; i < zip.GetCount(); ++i)
        zip.FSpecArgs().append(zip.GetDirEntry(i).FileName);
    zip.Extract();
    const QStringList top =
        QDir(root.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (!top.isEmpty() && top != QStringList({QStringLiteral("out")}))
        std::abort();
    const QFileInfoList written =
        QDir(root.filePath(QStringLiteral("out")))
            .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : written) {
        if (!file.isFile() || file.isSymLink())
            std::abort();
    }
    return 0;
}
