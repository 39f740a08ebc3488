#include "archive/ArchiveExtractor.h"

#include "archive/ArchiveEntryName.h"
#include "common/Interaction.h"
#include "common/PathRules.h"
#include "fileutil/PartialFile.h"

#include <QDir>
#include <QStorageInfo>

#include <limits>

namespace {
constexpr QFile::Permissions ExtractedPermissions = QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadUser | QFile::WriteUser |
                                                    QFile::ReadGroup | QFile::ReadOther;

enum class Outcome {
    Written,
    Oversized,
    NoSpace,
    WrongPassword,
    Cancelled,
    EncryptionUnsupported,
    Failed
};

Outcome OutcomeOf(ArchiveReader::ReadResult result) {
    using enum ArchiveReader::ReadResult;
    switch (result) {
    case WrongPassword:
        return Outcome::WrongPassword;
    case EncryptionUnsupported:
        return Outcome::EncryptionUnsupported;
    default:
        return Outcome::Failed;
    }
}

qint64 FreeBytes(const QString& folder) {
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : std::numeric_limits<qint64>::max();
}
} // namespace

// One extraction of one archive.
class ArchiveExtractor::Run {
public:
    Run(const ArchiveExtractor& owner, ArchiveReader& reader, QString shownAs, QString folder)
        : FOwner(owner), FReader(reader), FShownAs(std::move(shownAs)), FFolder(std::move(folder)),
          FFree(owner.FFreeSpace(FFolder)) {}

    // The messages are shown once the archive is done: when nothing of it may stay, only
    // the one that says why.
    QList<ExtractedEntry> Go(const ArchiveEntryChoice& choose, const QString& unreadableText) {
        while (const std::optional<ArchiveEntry> entry = FReader.NextEntry()) {
            if (!Handle(*entry, choose))
                return RemoveWritten();
        }
        if (FReader.Fault() == ArchiveFault::EncryptionUnsupported) {
            Report(FOwner.FMessages.EncryptionUnsupported);
            return RemoveWritten();
        }
        if (FReader.Fault() == ArchiveFault::Unreadable && !FDamageReported)
            Report(unreadableText, {}, FOwner.FMessages.ReasonText(FReader.FailureReason()));
        for (const QString& message : std::as_const(FMessages))
            FOwner.FUser.Warn(message);
        return FWritten;
    }

private:
    // False when nothing of the archive may stay.
    bool Handle(const ArchiveEntry& entry, const ArchiveEntryChoice& choose) {
        if (entry.Kind == ArchiveEntryKind::Folder)
            return true;
        const std::optional<QString> name = ArchiveEntryFileName(entry.Name);
        if (!name) {
            Report(FOwner.FMessages.UnsafeName, entry.Name);
            return true;
        }
        const std::optional<QString> onDisk = choose(entry, *name);
        if (!onDisk)
            return true;
        if (const QString* refusal = KindRefusal(entry.Kind)) {
            Report(*refusal, entry.Name);
            return true;
        }
        if (entry.DeclaredSize && !Reserve(*entry.DeclaredSize))
            return NoSpace();
        const QString target = FFolder + *onDisk;
        const Outcome outcome =
            entry.Encrypted ? WriteEncrypted(entry, target) : Write(entry, target, std::nullopt);
        return Conclude(outcome, entry, *name, target);
    }

    bool Conclude(Outcome outcome, const ArchiveEntry& entry, const QString& name,
                  const QString& target) {
        const ArchiveMessages& messages = FOwner.FMessages;
        switch (outcome) {
        case Outcome::Written:
            FWritten.append({entry.Name, name, target});
            return true;
        case Outcome::Oversized:
            Report(messages.Oversized, entry.Name);
            return true;
        case Outcome::NoSpace:
            return NoSpace();
        case Outcome::WrongPassword:
            Report(messages.WrongPassword, entry.Name);
            return true;
        case Outcome::Cancelled:
            return true;
        case Outcome::EncryptionUnsupported:
            Report(messages.EncryptionUnsupported);
            return false;
        case Outcome::Failed:
            Report(messages.EntryError, entry.Name, FReason);
            FDamageReported = FReader.Fault() != ArchiveFault::None;
            return true;
        }
        return true;
    }

    const QString* KindRefusal(ArchiveEntryKind kind) const {
        switch (kind) {
        case ArchiveEntryKind::SymbolicLink:
            return &FOwner.FMessages.LinkEntry;
        case ArchiveEntryKind::HardLink:
            return &FOwner.FMessages.HardLinkEntry;
        case ArchiveEntryKind::Device:
            return &FOwner.FMessages.DeviceEntry;
        default:
            return nullptr;
        }
    }

    // Counts bytes against the room the folder had when the extraction began.
    bool Reserve(qint64 bytes) {
        if (bytes > FFree - FReserved)
            return false;
        FReserved += bytes;
        return true;
    }

    // Tries the password that opened an earlier entry (or none: a backend that cannot
    // decrypt says so without a prompt), then asks as often as allowed. A cancelled or
    // exhausted prompt leaves the archive's other encrypted entries out without asking.
    Outcome WriteEncrypted(const ArchiveEntry& entry, const QString& target) {
        if (FGaveUpPassword)
            return Outcome::Cancelled;
        Outcome outcome = Write(entry, target, FKnownPassword);
        for (int asked = 0; outcome == Outcome::WrongPassword && asked < FOwner.FPasswordReqCount;
             ++asked) {
            const std::optional<QString> password = FOwner.FUser.AskPassword(FShownAs, entry.Name);
            if (!password) {
                FGaveUpPassword = true;
                return Outcome::Cancelled;
            }
            outcome = Write(entry, target, password);
            if (outcome == Outcome::Written)
                FKnownPassword = password;
        }
        FGaveUpPassword = outcome == Outcome::WrongPassword;
        return outcome;
    }

    // Writes the entry through a partial file that becomes the target only once every byte
    // has been read and checked.
    Outcome Write(const ArchiveEntry& entry, const QString& target,
                  const std::optional<QString>& password) {
        PartialFile file(target);
        if (!file.Open())
            return FailedWith(file.Error());
        qint64 total = 0;
        Outcome stopped = Outcome::Failed;
        const ArchiveReader::ReadResult result =
            FReader.ReadEntry(password, [&](const char* data, qint64 size) {
                total += size;
                // Inflating past the declared size is the mark of an archive bomb.
                if (entry.DeclaredSize && total > *entry.DeclaredSize)
                    stopped = Outcome::Oversized;
                else if (!entry.DeclaredSize && !Reserve(size))
                    stopped = Outcome::NoSpace;
                else if (file.File().write(data, size) == size)
                    return true;
                else
                    FReason = file.File().errorString();
                return false;
            });
        if (result == ArchiveReader::ReadResult::Stopped)
            return stopped;
        if (result != ArchiveReader::ReadResult::Complete) {
            FReason = FOwner.FMessages.ReasonText(FReader.FailureReason());
            return OutcomeOf(result);
        }
        return Finish(file, entry);
    }

    Outcome Finish(PartialFile& file, const ArchiveEntry& entry) {
        QFile& written = file.File();
        if (!written.flush() || !written.setPermissions(ExtractedPermissions))
            return FailedWith(written.errorString());
        // The entry's own time, so that a question about an existing file compares the
        // download's date rather than the moment of extraction.
        if (entry.ModifiedAt)
            written.setFileTime(*entry.ModifiedAt, QFileDevice::FileModificationTime);
        if (!file.Commit())
            return FailedWith(file.Error());
        return Outcome::Written;
    }

    Outcome FailedWith(const QString& reason) {
        FReason = reason;
        return Outcome::Failed;
    }

    bool NoSpace() {
        Report(FOwner.FMessages.NoSpace, QDir::toNativeSeparators(FFolder));
        return false;
    }

    QList<ExtractedEntry> RemoveWritten() {
        for (const ExtractedEntry& entry : std::as_const(FWritten))
            QFile::remove(entry.Path);
        FOwner.FUser.Warn(FMessages.last());
        return {};
    }

    void Report(const QString& text, const QString& item = {}, const QString& reason = {}) {
        FMessages.append(FillArchiveMessage(text, FShownAs, item, reason));
    }

    const ArchiveExtractor& FOwner;
    ArchiveReader& FReader;
    QString FShownAs;
    QString FFolder;
    qint64 FFree;
    qint64 FReserved = 0;
    QList<ExtractedEntry> FWritten;
    std::optional<QString> FKnownPassword;
    bool FGaveUpPassword = false;
    bool FDamageReported = false;
    QString FReason;
    QStringList FMessages;
};

ArchiveExtractor::ArchiveExtractor(Interaction& user, ArchiveMessages messages)
    : FUser(user), FMessages(std::move(messages)), FFreeSpace(FreeBytes), FOpen(OpenArchive) {}

void ArchiveExtractor::SetPasswordReqCount(int count) {
    FPasswordReqCount = std::clamp(count, 0, 15);
}

void ArchiveExtractor::SetFreeSpaceQuery(FreeSpaceQuery query) {
    FFreeSpace = std::move(query);
}

void ArchiveExtractor::SetOpener(ArchiveOpener opener) {
    FOpen = std::move(opener);
}

QList<ExtractedEntry> ArchiveExtractor::Extract(const QString& archive, const QString& shownAs,
                                                const QString& folder,
                                                const ArchiveEntryChoice& choose) const {
    const ArchiveBackend backend = ChooseArchiveBackend(archive);
    const std::unique_ptr<ArchiveReader> reader = FOpen(archive, backend);
    const QString base = WithTrailingSeparator(folder);
    QDir().mkpath(base);
    Run run(*this, *reader, shownAs, base);
    return run.Go(choose,
                  backend == ArchiveBackend::Zip ? FMessages.ZipOpenError : FMessages.OpenError);
}
