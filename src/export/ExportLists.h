#pragma once

#include "formats/ContentKind.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One file of a list, or one file inside a FAR archive.
struct ExportFile {
    QString Name;
    QString FullPath;
    QDateTime InstalledAt;
    QString Comment;
    qint64 Size = 0;
};
// Lists of thousands grow by moving their memory rather than by copying every entry.
Q_DECLARE_TYPEINFO(ExportFile, Q_RELOCATABLE_TYPE);

// An entry of a list; an entry of the FAR-archive list also holds the archive's files in
// archive order.
struct ExportEntry : ExportFile {
    QList<ExportFile> ArchiveFiles;
};
Q_DECLARE_TYPEINFO(ExportEntry, Q_RELOCATABLE_TYPE);

// One list of the export, in export order. Entries of a FarFiles list are archives, each
// rendered again as a list of its own files.
struct ExportList {
    ContentKind Kind = ContentKind::Objects;
    QString Title;
    QList<ExportEntry> Entries;
};
