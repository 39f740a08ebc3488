#include "formats/TFarFile.h"

#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "formats/FarDirectory.h"
#include "formats/FarEntryNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

TFarFile::TFarFile(Interaction& interaction, QObject* owner)
    : QObject(owner), FInteraction(interaction) {}

TFarFile::~TFarFile() = default;

void TFarFile::SetRootDir(const QString& dir) {
    FRootDir = WithTrailingSeparator(dir);
}

void TFarFile::SetProgress(int value) {
    if (value == FProgress)
        return;
    FProgress = value;
    Q_EMIT OnProgress(this);
}

void TFarFile::ShowError(const QString& text, const QString& fileName, const QString& item) {
    FInteraction.Fail(FillFarMessage(text, fileName, item));
}

void TFarFile::Throw(const QString& text, const QString& fileName, const QString& item) const {
    throw EPackwrightError(FillFarMessage(text, fileName, item));
}

bool TFarFile::ShowFailure(const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const EPackwrightError& error) {
        FInteraction.Fail(error.Text());
        return false;
    }
}

bool TFarFile::LoadFile(const QString& fileName) {
    Close();
    if (fileName.isEmpty())
        return true;
    if (!QFileInfo::exists(fileName) && !CreateEmptyArchive(fileName))
        return false;
    if (!OpenStream(fileName)) {
        ShowError(FMessages.FileReadError, fileName);
        return false;
    }
    if (!ReadItems(fileName)) {
        FStream.close();
        return false;
    }
    FFileName = fileName;
    return true;
}

bool TFarFile::CreateEmptyArchive(const QString& fileName) {
    QSaveFile file(fileName);
    const QByteArray empty = EncodeFarHeader(FarHeaderSize) + EncodeFarDirectory({});
    if (file.open(QIODevice::WriteOnly) && file.write(empty) == empty.size() && file.commit())
        return true;
    ShowError(FMessages.FileCreateError, fileName);
    return false;
}

bool TFarFile::OpenStream(const QString& fileName) {
    FStream.setFileName(fileName);
    // A read-only archive can still be listed and extracted; saving it then fails.
    return FStream.open(QIODevice::ReadWrite) || FStream.open(QIODevice::ReadOnly);
}

bool TFarFile::ReadItems(const QString& fileName) {
    const FarDirectory directory = ReadFarDirectory(FStream);
    if (directory.Outcome != FarReadOutcome::Valid) {
        ShowError(directory.Outcome == FarReadOutcome::NotFar ? FMessages.InvalidFar
                                                              : FMessages.FileReadError,
                  fileName);
        return false;
    }
    for (const FarDirectoryEntry& entry : directory.Entries)
        FItems.emplace_back(entry.Name, entry.Offset, entry.Size, entry.StoredName);
    return true;
}

void TFarFile::Close() {
    FStream.close();
    FItems.clear();
    FFileName.clear();
    FChanged = false;
}

bool TFarFile::IsOpenArchive(const QString& fileName) const {
    return !FFileName.isEmpty() && SameName(QFileInfo(fileName).absoluteFilePath(),
                                            QFileInfo(FFileName).absoluteFilePath());
}

TFarItem* TFarFile::GetItem(int index) {
    return index >= 0 && index < GetCount() ? &FItems[size_t(index)] : nullptr;
}

const TFarItem* TFarFile::GetItem(int index) const {
    return index >= 0 && index < GetCount() ? &FItems[size_t(index)] : nullptr;
}

void TFarFile::SetItem(int index, const TFarItem& item) {
    if (TFarItem* slot = GetItem(index))
        *slot = item;
}

int TFarFile::IndexOf(const QString& name) const {
    const auto found = FindByName(FItems, name, &TFarItem::NameKey);
    return found == FItems.end() ? -1 : int(found - FItems.begin());
}

int TFarFile::Add(const QString& fileName) {
    const QString sourcePath = SourcePathOf(fileName);
    QString name = FarEntryNameForPath(fileName, FKeepPaths);
    const std::optional<quint32> size = AddableFileSize(sourcePath);
    if (!size || !IsSafeFarEntryName(name)) {
        ShowError(FMessages.ItemAddError, sourcePath);
        return -1;
    }
    const bool replaced = ReplaceClashingEntries(name);
    FItems.push_back(TFarItem::FromDisk(name, sourcePath, *size, !replaced));
    return GetCount() - 1;
}

QString TFarFile::SourcePathOf(const QString& fileName) const {
    return QDir::isAbsolutePath(fileName) ? fileName : FRootDir + fileName;
}

std::optional<quint32> TFarFile::AddableFileSize(const QString& sourcePath) const {
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > FarLargestPosition)
        return std::nullopt;
    return quint32(file.size());
}

// Asks about every entry that has the name; a handler that renames the file being added
// starts the scan again. True when an entry was replaced, which rules out appending.
bool TFarFile::ReplaceClashingEntries(QString& name) {
    bool replaced = false;
    int index = 0;
    CaselessName key(name);
    while (index < GetCount()) {
        if (FItems[size_t(index)].NameKey() != key) {
            ++index;
            continue;
        }
        const QString asked = name;
        bool replace = FReplaceExisting;
        Q_EMIT OnItemExists(index, replace, name);
        if (!SameName(name, asked)) {
            key = CaselessName(name);
            index = 0;
        } else if (replace) {
            Delete(index);
            replaced = true;
        } else {
            ++index;
        }
    }
    return replaced;
}

void TFarFile::Delete(int index) {
    if (!GetItem(index))
        return;
    FItems.erase(FItems.begin() + index);
    FChanged = true;
}

void TFarFile::Clear() {
    FChanged = FChanged || !FItems.empty();
    FItems.clear();
}

bool TFarFile::LoadData(int index) {
    return GetItem(index) && ShowFailure([&] { RequireData(index); });
}

void TFarFile::RequireData(int index) {
    TFarItem& item = FItems[size_t(index)];
    if (item.Loaded())
        return;
    if (item.SourcePath().isEmpty() ? !LoadFromArchive(item) : !LoadFromDisk(item)) {
        const QString& from = item.SourcePath().isEmpty() ? FFileName : item.SourcePath();
        Throw(FMessages.ItemLoadError, from, item.Name());
    }
}

bool TFarFile::LoadFromArchive(TFarItem& item) {
    const qint64 end = qint64(item.Offset()) + qint64(item.Size());
    if (!FStream.isOpen() || end > FStream.size() || !FStream.seek(item.Offset()))
        return false;
    const QByteArray data = FStream.read(item.Size());
    if (data.size() != qint64(item.Size()))
        return false;
    item.SetData(data);
    item.FModified = false;
    return true;
}

// The entry stays modified: its bytes are not in the archive yet.
bool TFarFile::LoadFromDisk(TFarItem& item) {
    QFile source(item.SourcePath());
    if (!source.open(QIODevice::ReadOnly) || source.size() > FarLargestPosition)
        return false;
    const QByteArray data = source.readAll();
    if (data.size() != source.size())
        return false;
    item.SetData(data);
    return true;
}

void TFarFile::UnloadData(int index) {
    if (TFarItem* item = GetItem(index))
        item->Unload();
}

bool TFarFile::LoadAllData() {
    for (int i = 0; i < GetCount(); ++i) {
        if (!LoadData(i))
            return false;
    }
    return true;
}

void TFarFile::UnloadAllData() {
    for (TFarItem& item : FItems)
        item.Unload();
}
