#pragma once

#include "formats/FarMessages.h"
#include "formats/TFarItem.h"

#include <QFile>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Interaction;
class QSaveFile;
struct FarDirectoryEntry;

// A FAR archive: lists its entries, adds files from disk, removes entries, writes the result
// back and extracts entries. The archive file stays open from LoadFile to Close.
//
// Failures are shown as error boxes through the Interaction it is given, built from its
// FarMessages; the owner hands it SetMessages(FarMessages::FromLanguage(language)) after
// every language load. After a failure the operation ends and the object stays usable.
//
// Saving never leaves a half-written archive: a rewrite goes to a file beside the archive
// that replaces it in one rename, and appending keeps a complete directory in place at every
// moment (see TFarFileAppend.cpp).
class TFarFile : public QObject {
    Q_OBJECT

public:
    explicit TFarFile(Interaction& interaction, QObject* owner = nullptr);
    ~TFarFile() override;

    void SetMessages(const FarMessages& messages) { FMessages = messages; }

    const QString& FileName() const { return FFileName; }
    // Relative source paths and extraction targets refer to it; kept with a trailing separator.
    const QString& RootDir() const { return FRootDir; }
    void SetRootDir(const QString& dir);
    // Entries are named by the bare file name unless KeepPaths is set.
    bool KeepPaths() const { return FKeepPaths; }
    void SetKeepPaths(bool keepPaths) { FKeepPaths = keepPaths; }
    // The answer OnItemExists starts from when an added file has an entry's name.
    bool ReplaceExisting() const { return FReplaceExisting; }
    void SetReplaceExisting(bool replace) { FReplaceExisting = replace; }
    // Entries were removed or the list cleared since the last save.
    bool Changed() const { return FChanged; }
    int Progress() const { return FProgress; }
    void SetProgress(int value);

    // Opens the archive, creating an empty one when no file has that name; "" just closes.
    bool LoadFile(const QString& fileName);
    void Close();

    int GetCount() const { return int(FItems.size()); }
    // nullptr out of range; valid until the list changes.
    TFarItem* GetItem(int index);
    const TFarItem* GetItem(int index) const;
    void SetItem(int index, const TFarItem& item);
    // The entry with exactly that name, else the first with it in another letter case, or -1.
    int IndexOf(const QString& name) const;

    // The new entry's index, or -1 when the file cannot be read or named in an archive.
    int Add(const QString& fileName);
    void Delete(int index);
    void Clear();

    bool LoadData(int index);
    void UnloadData(int index);
    bool LoadAllData();
    void UnloadAllData();

    bool Save();
    bool SaveAs(const QString& fileName);
    // Writes every entry into a new archive that replaces fileName in one step; progress runs
    // from progressFrom to progressTo.
    bool WriteFARFile(const QString& fileName, int progressFrom, int progressTo);

    // Writes the entry to target, or into target when that is a folder.
    bool Extract(int index, const QString& target);
    bool ExtractAll(const QString& folder);

Q_SIGNALS:
    void OnProgress(TFarFile* sender);
    // An added file's name equals entry index's name; the handler may change replace and name.
    void OnItemExists(int index, bool& replace, QString& name);
    // Save without a file name asks for one; ok stays false when nobody answers.
    void OnSaveAsName(bool& ok, QString& name);
    // SaveAs targets an existing file; the handler may give another name or clear ok.
    void OnSaveAsExists(bool& ok, QString& name);

private:
    // Where each entry's bytes lie after a write, filled in as the write goes.
    using Offsets = std::vector<quint32>;

    void ShowError(const QString& text, const QString& fileName, const QString& item = {});
    // Steps of a larger operation throw EPackwrightError with the filled message; the public
    // operation shows it and returns false.
    [[noreturn]] void Throw(const QString& text, const QString& fileName,
                            const QString& item = {}) const;
    bool ShowFailure(const std::function<void()>& operation);

    bool CreateEmptyArchive(const QString& fileName);
    bool OpenStream(const QString& fileName);
    bool ReadItems(const QString& fileName);
    bool IsOpenArchive(const QString& fileName) const;
    QString SourcePathOf(const QString& fileName) const;
    std::optional<quint32> AddableFileSize(const QString& sourcePath) const;
    bool ReplaceClashingEntries(QString& name);
    void RequireData(int index);
    bool LoadFromArchive(TFarItem& item);
    bool LoadFromDisk(TFarItem& item);

    bool SaveUnderAskedName();
    void WriteNewArchive(const QString& fileName, int progressFrom, int progressTo);
    void ReplaceStream(QSaveFile& written, const QString& fileName);
    void AppendNewEntries();
    void RestoreDirectory(quint32 directoryOffset, const QByteArray& directory, qint64 end);
    std::vector<int> IndexesWhere(bool (*wanted)(const TFarItem&)) const;
    Offsets CurrentOffsets() const;
    void WriteEntries(QFileDevice& out, const std::vector<int>& indexes, qint64 limit,
                      Offsets& offsets, int progressFrom, int progressTo);
    std::vector<FarDirectoryEntry> DirectoryEntries(const Offsets& offsets) const;
    void MarkWritten(const std::vector<int>& indexes, const Offsets& offsets);

    QString ResolveTarget(const QString& target) const;
    std::optional<QString> SafeFilePath(int index);
    void WriteExtracted(int index, const QString& path);

    Interaction& FInteraction;
    FarMessages FMessages;
    QString FFileName;
    QString FRootDir;
    std::vector<TFarItem> FItems;
    bool FKeepPaths = false;
    bool FReplaceExisting = false;
    bool FChanged = false;
    int FProgress = 0;
    QFile FStream;
};
