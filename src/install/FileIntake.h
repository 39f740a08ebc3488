#pragma once

#include "common/ExpansionFlags.h"
#include "install/FileClassifier.h"

#include <QHash>
#include <QStringList>

#include <memory>

class Interaction;
class ProgressHandle;
class TLanguage;
struct ArchiveEntry;
struct ExtractedEntry;

// A readme found during intake: the name shown for it and the file on disk.
struct ReadmeFile {
    QString Name;
    QString Path;
};

// One intake of dropped or chosen paths: folders are expanded, archives of every format (and
// archives inside them) are opened into folders of their own inside the temporary folder,
// readmes are collected and every file is classified. What lies inside an archive is shown
// by the path of the download it came from, never by where it was extracted.
class FileIntake {
public:
    // Archives nested deeper than this inside other archives are not opened.
    static constexpr int MaxArchiveDepth = 8;
    // How often the password of an archive is asked before its encrypted entries are left
    // out.
    static constexpr int PasswordReqCount = 3;

    FileIntake(Interaction& user, const TLanguage& language, const PackFlags& packs,
               QString tempFolder);
    ~FileIntake();
    FileIntake(const FileIntake&) = delete;
    FileIntake& operator=(const FileIntake&) = delete;

    // The whole intake; reports its progress in a progress window of its own.
    void SelectFiles(QStringList paths);

    // The user cancelled: the temporary folder was emptied and the intake's findings are
    // incomplete.
    bool Cancelled() const { return FCancelled; }
    const FileClassifier& Classifier() const { return FClassifier; }
    // Where the archives were extracted, with a trailing separator.
    const QString& TempFolder() const { return FTempFolder; }
    // The readmes, sorted by name as the list shows them.
    QList<ReadmeFile> Readmes() const;

private:
    class EntryNames;
    class ExtractionAhead;
    struct Extraction;

    void ExpandFolders(QStringList& paths);
    void HandleInput(const QString& path, QStringList& paths);
    void HandleArchive(const QString& archive, QStringList& paths);
    Extraction Extract(const QString& archive, const QString& shownArchive,
                       Interaction& user) const;
    Extraction TakeOrExtract(const QString& archive, const QString& shownArchive);
    void ExtractAhead(const QStringList& paths, qsizetype from);
    bool TooDeep(const QString& archive) const;
    void TakeExtracted(const QString& shownArchive, const QString& name, const QString& source,
                       int depth, QStringList& paths);
    QString MakeExtractFolder(const QString& archive) const;
    // How the user knows the file: a download by its own path, an extracted file by the
    // download's path followed by the entries it lies in.
    QString ShownPath(const QString& path) const;

    Interaction& FUser;
    const TLanguage& FLanguage;
    QString FTempFolder;
    FileClassifier FClassifier;
    bool FCancelled = false;
    QList<ReadmeFile> FReadmes;
    // How deep each archive found inside another lies, and the path it is shown by.
    QHash<QString, int> FArchiveDepth;
    QHash<QString, QString> FShownPaths;
    // Last, so that it is gone, its thread ended, before anything it reads.
    std::unique_ptr<ExtractionAhead> FAhead;
};

// The display name of an archive entry: the path the archive is shown by and the entry's
// file name.
QString ArchiveEntryDisplayName(const QString& shownArchive, const QString& entryFileName);

// Empties the temporary folder: deletes it with everything in it and creates it anew.
bool EmptyTempFolder(const QString& folder);
