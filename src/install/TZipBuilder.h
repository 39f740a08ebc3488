#pragma once

#include "common/Interaction.h"
#include "install/ZipEngineProbe.h"
#include "install/ZipMessages.h"

#include <QFlags>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

// One record of an archive's central directory.
struct ZipDirEntry {
    // As stored, possibly with a folder part; decoded from UTF-8 or code page 437.
    QString FileName;
    qint64 UncompressedSize = 0;
    bool Encrypted = false;
    bool SymbolicLink = false;
};

enum class ExtrOption {
    ExtrDirNames = 0x1,
    ExtrOverWrite = 0x2,
    ExtrFreshen = 0x4,
    ExtrUpdate = 0x8,
    ExtrForceDirs = 0x10,
    ExtrTest = 0x20,
};
Q_DECLARE_FLAGS(ExtrOptions, ExtrOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(ExtrOptions)

// Reads a zip archive's directory and extracts chosen entries, each directly into
// ExtrBaseDir under its bare file name (ExtrDirNames is not honoured: nothing is ever written
// outside that folder). Encrypted entries ask the Interaction for their password.
class TZipBuilder : public QObject {
    Q_OBJECT

public:
    explicit TZipBuilder(Interaction& interaction, QObject* owner = nullptr);
    ~TZipBuilder() override;

    // Proves at start-up that the zip library works; nothing when all went well.
    static std::optional<ZipEngineFault> CheckEngine() { return ProbeZipEngine(); }

    // Opens the archive and reads its directory; "" closes it. An unreadable archive is
    // reported and has no entries.
    void SetZipFileName(const QString& path);
    const QString& ZipFileName() const { return FZipFileName; }
    int GetCount() const { return static_cast<int>(FEntries.size()); }
    const ZipDirEntry& GetDirEntry(int i) const { return FEntries.at(i); }

    // The stored names of the entries Extract writes.
    QStringList& FSpecArgs() { return FFSpecArgs; }
    // Writes entry i under this bare file name rather than its own, so that two entries of
    // one name from different folders both survive.
    void SetExtractName(int i, const QString& fileName) { FExtractNames.insert(i, fileName); }
    void SetExtrBaseDir(const QString& folder) { FExtrBaseDir = folder; }
    void SetExtrOptions(ExtrOptions options) { FExtrOptions = options; }
    // How often the password of an encrypted entry is asked for; at most 15.
    void SetPasswordReqCount(int count);
    int PasswordReqCount() const { return FPasswordReqCount; }
    // Messages go only to OnMessage, not to a message box.
    void SetUnattended(bool unattended) { FUnattended = unattended; }
    void SetMessages(const ZipMessages& messages) { FMessages = messages; }

    // Writes the entries named in FSpecArgs; the number written.
    int Extract();

Q_SIGNALS:
    void OnMessage(int errCode, const QString& message);

private:
    struct Archive;
    class EntryWriter;
    enum class EntryOutcome { Written, WrongPassword, Cancelled, Oversized, Failed };

    void Report(int errCode, const QString& message);
    bool FitsFreeSpace(const QList<int>& chosen);
    bool ExtractEntry(int index);
    EntryOutcome WriteWithPassword(EntryWriter& writer, const QString& entryName);

    Interaction& FInteraction;
    ZipMessages FMessages;
    QString FZipFileName;
    std::unique_ptr<Archive> FArchive;
    QList<ZipDirEntry> FEntries;
    QStringList FFSpecArgs;
    QHash<int, QString> FExtractNames;
    QString FExtrBaseDir;
    ExtrOptions FExtrOptions;
    int FPasswordReqCount = 1;
    bool FUnattended = false;
    // The last password that opened an entry, tried first on the archive's next one.
    std::optional<QString> FKnownPassword;
};
