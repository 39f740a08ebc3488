#pragma once

#include "common/ExpansionFlags.h"
#include "install/FileClassifier.h"

#include <QHash>
#include <QStringList>

class Interaction;
class ProgressHandle;
class TLanguage;
class TZipBuilder;

// A readme found during intake: the name shown for it and the file on disk.
struct ReadmeFile {
    QString Name;
    QString Path;
};

// One intake of dropped or chosen paths: folders are expanded, zip archives (and archives
// inside them) are opened into folders of their own inside the temporary folder, readmes
// are collected and every file is classified.
class FileIntake {
public:
    // Archives nested deeper than this inside other archives are not opened.
    static constexpr int MaxArchiveDepth = 8;

    FileIntake(Interaction& user, const TLanguage& language, const PackFlags& packs,
               QString tempFolder);

    // The whole intake; reports its progress in a progress window of its own.
    void SelectFiles(QStringList paths);

    // The user cancelled: the temporary folder was emptied and the intake's findings are
    // incomplete.
    bool Cancelled() const { return FCancelled; }
    const FileClassifier& Classifier() const { return FClassifier; }
    // The readmes, sorted by name as the list shows them.
    QList<ReadmeFile> Readmes() const;

private:
    // An archive entry to extract: its index, its bare file name and the name it is
    // written under.
    struct WantedEntry {
        int Index;
        QString Name;
        QString OnDisk;
    };

    void ExpandFolders(QStringList& paths);
    void HandleInput(const QString& path, QStringList& paths);
    void HandleArchive(const QString& archive, QStringList& paths);
    QList<WantedEntry> WantedEntries(const TZipBuilder& zip);
    void ReportSameName(const TZipBuilder& zip, int first, int second);
    void TakeExtracted(const QString& archive, const QString& name, const QString& source,
                       int depth, QStringList& paths);
    QString MakeExtractFolder(const QString& archive) const;

    Interaction& FUser;
    const TLanguage& FLanguage;
    QString FTempFolder;
    FileClassifier FClassifier;
    bool FCancelled = false;
    QList<ReadmeFile> FReadmes;
    // How deep each archive found inside another lies.
    QHash<QString, int> FArchiveDepth;
};

// The display name of an archive entry: the archive's path and the entry's file name.
QString ArchiveEntryDisplayName(const QString& archive, const QString& entryFileName);

// Empties the temporary folder: deletes it with everything in it and creates it anew.
bool EmptyTempFolder(const QString& folder);
