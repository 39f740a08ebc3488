// Writing a TFarFile: Save, SaveAs and the rewrite of a whole archive. Appending to an
// archive in place is in TFarFileAppend.cpp.
#include "formats/FarDirectory.h"
#include "formats/TFarFile.h"
#include "platform/SyncToDisk.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {
// Written bytes are handed to the disk in steps of this size while the write goes on, so
// the sync at the end of a save has little left to wait for.
constexpr qint64 WriteBackStep = 8 * 1024 * 1024;

bool HasName(const TFarItem& item) {
    return !item.Name().isEmpty();
}

// An archive whose entries all lie in it unchanged, or are new, can be appended to.
bool CanStayInPlace(const TFarItem& item) {
    return item.Appendable() || item.InArchive();
}
} // namespace

bool TFarFile::Save() {
    if (FFileName.isEmpty())
        return SaveUnderAskedName();
    const bool inPlace = !FChanged && std::all_of(FItems.begin(), FItems.end(), CanStayInPlace);
    const bool saved =
        inPlace ? ShowFailure([this] { AppendNewEntries(); }) : WriteFARFile(FFileName, 0, 100);
    if (saved)
        SetProgress(100);
    return saved;
}

bool TFarFile::SaveUnderAskedName() {
    for (;;) {
        bool ok = false;
        QString name;
        Q_EMIT OnSaveAsName(ok, name);
        if (!ok)
            return false;
        if (SaveAs(name))
            return true;
    }
}

bool TFarFile::SaveAs(const QString& fileName) {
    if (fileName.isEmpty())
        return false;
    QString target = fileName;
    if (!IsOpenArchive(target) && QFileInfo::exists(target)) {
        bool ok = true;
        Q_EMIT OnSaveAsExists(ok, target);
        if (!ok || target.isEmpty())
            return false;
    }
    // The existing file is replaced only once the new one is complete.
    return IsOpenArchive(target) ? Save() : WriteFARFile(target, 0, 95);
}

bool TFarFile::WriteFARFile(const QString& fileName, int progressFrom, int progressTo) {
    return ShowFailure([&] { WriteNewArchive(fileName, progressFrom, progressTo); });
}

// The written file becomes the open archive, as the entries' offsets now point into it.
void TFarFile::WriteNewArchive(const QString& fileName, int progressFrom, int progressTo) {
    const std::vector<int> named = IndexesWhere(HasName);
    Offsets offsets = CurrentOffsets();
    QSaveFile out(fileName);
    const QByteArray header = EncodeFarHeader(FarHeaderSize);
    if (!out.open(QIODevice::WriteOnly) || out.write(header) != header.size())
        Throw(FMessages.FileCreateError, fileName);
    WriteEntries(out, named, FarLargestPosition, offsets, progressFrom, progressTo - 10);
    const qint64 directoryOffset = out.pos();
    const QByteArray directory = EncodeFarDirectory(DirectoryEntries(offsets));
    const QByteArray offsetBytes = EncodeFarOffset(quint32(directoryOffset));
    if (out.write(directory) != directory.size() || !out.seek(FarDirectoryOffsetPosition) ||
        out.write(offsetBytes) != offsetBytes.size())
        Throw(FMessages.FileCreateError, fileName);
    SetProgress(progressTo - 1);
    ReplaceStream(out, fileName);
    MarkWritten(named, offsets);
    FChanged = false;
    SetProgress(progressTo);
}

// Some systems cannot replace a file that is open, so the old stream is closed first and
// reopened when the new file could not take its place.
void TFarFile::ReplaceStream(QSaveFile& written, const QString& fileName) {
    FStream.close();
    if (!written.commit()) {
        if (!FFileName.isEmpty())
            OpenStream(FFileName);
        Throw(FMessages.FileCreateError, fileName);
    }
    if (!OpenStream(fileName)) {
        Close();
        Throw(FMessages.FileReadError, fileName);
    }
    FFileName = fileName;
}

std::vector<int> TFarFile::IndexesWhere(bool (*wanted)(const TFarItem&)) const {
    std::vector<int> indexes;
    for (int i = 0; i < GetCount(); ++i) {
        if (wanted(FItems[size_t(i)]))
            indexes.push_back(i);
    }
    return indexes;
}

TFarFile::Offsets TFarFile::CurrentOffsets() const {
    Offsets offsets;
    offsets.reserve(FItems.size());
    for (const TFarItem& item : FItems)
        offsets.push_back(item.Offset());
    return offsets;
}

// Writes each entry's data at the current position, never past limit, holding one entry's
// bytes at a time. Entries keep the data the caller had loaded; the rest is released.
void TFarFile::WriteEntries(QFileDevice& out, const std::vector<int>& indexes, qint64 limit,
                            Offsets& offsets, int progressFrom, int progressTo) {
    const QString& fileName = out.fileName();
    qint64 writtenBack = out.pos();
    for (size_t k = 0; k < indexes.size(); ++k) {
        TFarItem& item = FItems[size_t(indexes[k])];
        const bool wasLoaded = item.Loaded();
        RequireData(indexes[k]);
        const qint64 position = out.pos();
        if (position + item.Data().size() > limit || out.write(item.Data()) != item.Data().size())
            Throw(FMessages.FileCreateError, fileName);
        offsets[size_t(indexes[k])] = quint32(position);
        if (out.pos() - writtenBack >= WriteBackStep) {
            StartWritingToDisk(out);
            writtenBack = out.pos();
        }
        if (!wasLoaded)
            item.Unload();
        SetProgress(progressFrom + (progressTo - progressFrom) * int(k + 1) / int(indexes.size()));
    }
}

// Entries without a name have no place in a directory and are left out.
std::vector<FarDirectoryEntry> TFarFile::DirectoryEntries(const Offsets& offsets) const {
    std::vector<FarDirectoryEntry> entries;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (HasName(FItems[i]))
            entries.push_back(
                {FItems[i].Name(), FItems[i].Size(), offsets[i], FItems[i].StoredName()});
    }
    return entries;
}

void TFarFile::MarkWritten(const std::vector<int>& indexes, const Offsets& offsets) {
    for (int index : indexes)
        FItems[size_t(index)].MarkWritten(offsets[size_t(index)]);
    std::erase_if(FItems, [](const TFarItem& item) { return !HasName(item); });
}
