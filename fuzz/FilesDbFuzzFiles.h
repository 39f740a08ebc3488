#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Files that the database fuzz inputs name, so that their records survive the load: the
// seeds refer to them and the target creates them. The folder is fixed because the seeds
// are written by another process.
inline QString FilesDbFuzzFile(int n) {
    return QDir::tempPath() + QStringLiteral("/packwright-fuzz-files-db/file-%1.iff").arg(n);
}

constexpr int FilesDbFuzzFileCount = 4;

inline void CreateFilesDbFuzzFiles() {
    QDir().mkpath(QDir::tempPath() + QStringLiteral("/packwright-fuzz-files-db"));
    for (int n = 0; n < FilesDbFuzzFileCount; ++n) {
        QFile file(FilesDbFuzzFile(n));
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.write("x");
    }
}
