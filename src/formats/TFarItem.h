#pragma once

#include "common/CaselessName.h"

#include <QByteArray>
#include <QString>

class TFarFile;

// One entry of a FAR archive: where its bytes come from (the archive, or a file on disk that
// was added), and its bytes while they are loaded. Owned by the archive's list.
class TFarItem {
public:
    TFarItem() = default;
    TFarItem(const QString& name, quint32 offset, quint32 size,
             const QByteArray& storedName = QByteArray());

    const QString& Name() const { return FName.Name(); }
    // The name as a key that matches it in any letter case; comparing keys is cheap, which
    // keeps the name-clash check of a large archive fast.
    const CaselessName& NameKey() const { return FName; }
    void SetName(const QString& name);
    // The name's bytes as the archive's directory holds them; empty for a name not read
    // from one.
    const QByteArray& StoredName() const { return FStoredName; }
    // The file the data is read from for an entry added from disk; "" once it is in the archive.
    const QString& SourcePath() const { return FSourcePath; }
    quint32 Offset() const { return FOffset; }
    quint32 Size() const { return FSize; }
    void SetSize(quint32 size) { FSize = size; }
    const QByteArray& Data() const { return FData; }
    // Takes the bytes as the entry's data, its length as the size, and marks it modified.
    void SetData(const QByteArray& data);
    void Unload();
    bool Modified() const { return FModified; }
    bool Appendable() const { return FAppendable; }
    bool Loaded() const { return FLoaded; }
    // The archive holds exactly this entry's bytes at its offset.
    bool InArchive() const { return FSourcePath.isEmpty() && !FModified && !FAppendable; }

private:
    friend class TFarFile;

    static TFarItem FromDisk(const QString& name, const QString& sourcePath, quint32 size,
                             bool appendable);
    // The entry's bytes now lie in the archive at offset.
    void MarkWritten(quint32 offset);

    CaselessName FName{QString()};
    QByteArray FStoredName;
    QString FSourcePath;
    quint32 FOffset = 0;
    quint32 FSize = 0;
    QByteArray FData;
    bool FModified = false;
    bool FAppendable = false;
    bool FLoaded = false;
};
