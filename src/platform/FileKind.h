#pragma once

#include <QByteArray>
#include <QString>

// Whether a path names an existing regular file (links followed). One system call and no
// file-information object: the database asks it of every record it loads.
bool IsRegularFile(const QString& path);

// The same question for many paths, most of them in few folders: the last folder asked
// about stays open, so the system looks up only the file's own name in it rather than
// walking the whole path again for each file. Gives what IsRegularFile gives.
class RegularFileProbe {
public:
    RegularFileProbe() = default;
    RegularFileProbe(const RegularFileProbe&) = delete;
    RegularFileProbe& operator=(const RegularFileProbe&) = delete;
    ~RegularFileProbe();

    bool IsRegularFile(const QString& path);

private:
    void HoldFolder(QByteArrayView folder);

    QByteArray FFolder;
    int FFolderHandle = -1;
};
