#pragma once

#include "formats/ContentKind.h"
#include "formats/InstalledFileRecord.h"
#include "formats/KindRecordList.h"

#include <QString>

#include <array>

class Interaction;

// The database of installed files (files.iff): one list of records per content kind. Each
// action loads its own copy from the file, changes it and saves it; the file is the only
// state shared between them. Kinds that are not in the ContentKind table are unknown:
// they count -1, hold nothing and ignore changes.
class InstalledFilesDb {
public:
    InstalledFilesDb();
    explicit InstalledFilesDb(const QString& fileName);

    // Replaces the content by what the file holds. A missing file gives an empty database;
    // records of files that no longer exist are left out, and of records with one name
    // only the last is kept. Throws EFileOpenError when the file exists but cannot be read.
    void Load(const QString& fileName);
    // Writes to DbFileName; the old file is replaced only by a complete new one. When that
    // fails, ErrorMessage with {{FileName}} filled in is shown as an error and the result
    // is false.
    bool Save(Interaction& interaction) const;
    void Clear();

    int Count(ContentKind kind) const;
    // The position of the record whose name equals fileName without regard to letter case.
    int IndexOf(ContentKind kind, const QString& fileName) const;
    // A copy of the record; an empty record for an unknown kind or an index out of range.
    InstalledFileRecord Get(ContentKind kind, int index) const;
    // Replaces the record of the same name, if any, and puts this one last.
    void Add(ContentKind kind, InstalledFileRecord record);
    // The record of the same name, if any; else this one, added last. An empty record for
    // an unknown kind.
    InstalledFileRecord FindOrAdd(ContentKind kind, InstalledFileRecord record);
    void Delete(ContentKind kind, int index);

    // Whether the records may differ from what the file held at the last load: one was
    // added, deleted or cleared since, or the load left one out. A save is needed only then.
    bool HasChanges() const { return FChanged; }

    const QString& DbFileName() const { return FDbFileName; }
    const QString& ErrorMessage() const { return FErrorMessage; }
    void SetErrorMessage(const QString& text) { FErrorMessage = text; }

private:
    const KindRecordList* ListOf(ContentKind kind) const;
    KindRecordList* ListOf(ContentKind kind);
    const KindRecordList* ListWithIndex(ContentKind kind, int index) const;

    std::array<KindRecordList, ContentKindCount> FLists;
    QString FDbFileName;
    QString FErrorMessage;
    bool FChanged = false;
};
