#pragma once

#include <QFile>
#include <QString>

// The hidden file beside target that a PartialFile writes before it becomes target. Its
// name follows from target's, so that whoever undoes the writing of target after a crash
// finds it too.
QString PartialPathFor(const QString& target);

// A file written beside its target under a hidden name and renamed over the target only
// once complete, so that a write that fails part-way leaves no partial target and an old
// target untouched. An uncommitted partial file is removed with this object.
class PartialFile {
public:
    explicit PartialFile(QString target) : FTarget(std::move(target)) {}
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // Creates the partial file, open for writing; false when the target's folder takes none.
    bool Open();
    QFile& File() { return FFile; }
    // Where the partial file lies until Commit.
    const QString& Path() const { return FPath; }
    // Closes the partial file and renames it over the target; false, with the reason in
    // Error(), when that fails.
    bool Commit();
    const QString& Error() const { return FError; }

private:
    QString FTarget;
    QString FPath;
    QFile FFile;
    bool FCommitted = false;
    QString FError;
};
