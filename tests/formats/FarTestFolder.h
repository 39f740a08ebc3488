#pragma once

#include "formats/TFarFile.h"
#include "support/FarFixtures.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A temporary folder with an archive component that reports to a ScriptedInteraction.
class FarTestFolder {
public:
    FarTestFolder() : FFar(FUser) {}

    QString Path(const QString& name) const { return FRoot.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) const {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file and folder in the temporary folder, relative, sorted.
    QStringList Contents() const {
        QStringList names;
        QDirIterator entries(FRoot.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        while (entries.hasNext())
            names.append(QDir(FRoot.path()).relativeFilePath(entries.next()));
        names.sort();
        return names;
    }

    ScriptedInteraction& User() { return FUser; }
    TFarFile& Far() { return FFar; }

private:
    QTemporaryDir FRoot;
    ScriptedInteraction FUser;
    TFarFile FFar;
};

inline const QByteArray LampData("lamp bytes");
inline const QByteArray ChairData("chair, a little longer");
inline const QByteArray TableData(3000, 't');
