// Feeds arbitrary files to the installed-files database. Besides crashes and sanitizer
// reports, it stops when a loaded database does not save, or does not load back the same.
#include "common/Interaction.h"
#include "FilesDbFuzzFiles.h"
#include "formats/InstalledFilesDb.h"
#include "FuzzInputFile.h"

#include <cstdlib>
#include <cstring>

namespace {
// A failed save is a finding; nothing else may ask the user anything.
class AbortingInteraction : public Interaction {
public:
    MessageAnswer ShowMessage(MessageKind, const QString&, MessageButtons, MessageAnswer) override {
        std::abort();
    }
    std::unique_ptr<ProgressHandle> BeginProgress(const QString&) override { std::abort(); }
    FileDialogAnswer AskForPaths(const FileDialogRequest&) override { std::abort(); }
    FileExistsReply AskFileExists(const FileExistsQuestion&) override { std::abort(); }
    std::optional<QString> AskPassword(const QString&, const QString&) override { std::abort(); }
    HoodChoice ChooseNeighbourhood(const QString&, const ExpansionFlags&) override { std::abort(); }
};

bool SameRecord(const InstalledFileRecord& a, const InstalledFileRecord& b) {
    // Times compare as bits: a stored time must read back exactly.
    return a.FileName == b.FileName && a.Comment == b.Comment &&
           std::memcmp(&a.InstalledAt, &b.InstalledAt, sizeof(double)) == 0;
}

bool SameRecords(const InstalledFilesDb& a, const InstalledFilesDb& b) {
    for (const ContentKindInfo& kind : AllContentKinds()) {
        if (a.Count(kind.Kind) != b.Count(kind.Kind))
            return false;
        for (int i = 0; i < a.Count(kind.Kind); ++i) {
            if (!SameRecord(a.Get(kind.Kind, i), b.Get(kind.Kind, i)))
                return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool filesCreated = (CreateFilesDbFuzzFiles(), true);
    Q_UNUSED(filesCreated);
    const QString file = FuzzInputFile(data, size);
    const InstalledFilesDb loaded(file);
    AbortingInteraction interaction;
    loaded.Save(interaction); // over the input file, which is ours
    if (!SameRecords(loaded, InstalledFilesDb(file)))
        std::abort();
    return 0;
}
