#include "support/ArchiveFixtures.h"

#include "support/Rar4Fixtures.h"
#include "support/Rar5Fixtures.h"
#include "support/ZipFixtures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
void Check(bool ok, const QString& what) {
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

void Run(const QString& folder, const QString& program, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    Check(process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
              process.exitCode() == 0,
          program + u' ' + args.join(u' ') + QStringLiteral(": ") +
              QString::fromUtf8(process.readAllStandardError()));
}

// The entry's file in the staging folder: "e" and its index, so that every tool sees plain
// names and the stored names are given afterwards.
QString StagedName(size_t index) {
    return QStringLiteral("e%1").arg(index);
}

size_t IndexOfName(const std::vector<ArchiveFixtureEntry>& entries, const QByteArray& name) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Name == name)
            return i;
    throw std::runtime_error("a hard link to no earlier entry");
}

// Writes every entry into the folder under its staged name, as the kind it is.
QStringList Stage(const QString& folder, const std::vector<ArchiveFixtureEntry>& entries) {
    QStringList names;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ArchiveFixtureEntry& entry = entries[i];
        const QString path = folder + u'/' + StagedName(i);
        switch (entry.Kind) {
        case FixtureEntryKind::File: {
            QFile file(path);
            Check(file.open(QIODevice::WriteOnly) && file.write(entry.Data) == entry.Data.size() &&
                      file.flush() &&
                      file.setFileTime(QDateTime::fromSecsSinceEpoch(ArchiveFixtureModified),
                                       QFileDevice::FileModificationTime),
                  path);
            break;
        }
        case FixtureEntryKind::Folder:
            Check(QDir().mkdir(path), path);
            break;
        case FixtureEntryKind::SymbolicLink:
            Check(::symlink(entry.Data.constData(), QFile::encodeName(path).constData()) == 0,
                  path);
            break;
        case FixtureEntryKind::HardLink: {
            const QString target = folder + u'/' + StagedName(IndexOfName(entries, entry.Data));
            Check(::link(QFile::encodeName(target).constData(),
                         QFile::encodeName(path).constData()) == 0,
                  path);
            break;
        }
        case FixtureEntryKind::CharacterDevice:
            Check(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0644, makedev(1, 3)) == 0,
                  path + QStringLiteral(" (making a device needs root)"));
            break;
        }
        names.append(StagedName(i));
    }
    return names;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), path);
    return file.readAll();
}

// A sed replacement text for tar's --transform.
QString SedReplacement(const QByteArray& name) {
    QString text = QString::fromUtf8(name);
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'&', QStringLiteral("\\&"));
    return text.replace(u',', QStringLiteral("\\,"));
}

QByteArray BuildTar(const QString& compression, const std::vector<ArchiveFixtureEntry>& entries) {
    const QTemporaryDir folder;
    QStringList args = {QStringLiteral("-P"), QStringLiteral("--format=gnu")};
    for (size_t i = 0; i < entries.size(); ++i)
        args.append(QStringLiteral("--transform=s,^%1$,%2,")
                        .arg(StagedName(i), SedReplacement(entries[i].Name)));
    args.append({QStringLiteral("-c") + compression + u'f', QStringLiteral("out")});
    const QStringList names = Stage(folder.path(), entries);
    args.append(names.isEmpty() ? QStringList{QStringLiteral("-T"), QStringLiteral("/dev/null")}
                                : names);
    Run(folder.path(), QStringLiteral("tar"), args);
    return ReadAll(folder.filePath(QStringLiteral("out")));
}

QByteArray Build7z(const std::vector<ArchiveFixtureEntry>& entries, const QStringList& options) {
    const QTemporaryDir folder;
    const QString out = QStringLiteral("out.7z");
    QStringList names = Stage(folder.path(), entries);
    // 7z makes no archive of nothing: one of a placeholder, then emptied.
    const bool empty = names.isEmpty();
    if (empty) {
        QFile(folder.filePath(QStringLiteral("placeholder"))).open(QIODevice::WriteOnly);
        names.append(QStringLiteral("placeholder"));
    }
    const auto sevenZip = [&](const QString& command, const QStringList& items) {
        Run(folder.path(), QStringLiteral("7z"),
            QStringList{command, QStringLiteral("-bd"), QStringLiteral("-y"),
                        QStringLiteral("-snl")} +
                options + QStringList{out} + items);
    };
    sevenZip(QStringLiteral("a"), names);
    QStringList renames;
    for (size_t i = 0; i < entries.size(); ++i)
        renames.append({StagedName(i), QString::fromUtf8(entries[i].Name)});
    sevenZip(empty ? QStringLiteral("d") : QStringLiteral("rn"), empty ? names : renames);
    return ReadAll(folder.filePath(out));
}

QByteArray BuildZip(const std::vector<ArchiveFixtureEntry>& entries) {
    std::vector<ZipFixtureEntry> zipEntries;
    for (const ArchiveFixtureEntry& entry : entries) {
        const bool folder = entry.Kind == FixtureEntryKind::Folder;
        zipEntries.push_back({.Name = folder ? entry.Name + '/' : entry.Name,
                              .Data = entry.Data,
                              .SymbolicLink = entry.Kind == FixtureEntryKind::SymbolicLink});
    }
    return BuildZipArchive(zipEntries);
}

QByteArray BuildRar4(const std::vector<ArchiveFixtureEntry>& entries) {
    std::vector<Rar4FixtureEntry> rarEntries;
    for (const ArchiveFixtureEntry& entry : entries) {
        const Rar4EntryKind kind =
            entry.Kind == FixtureEntryKind::Folder            ? Rar4EntryKind::Folder
            : entry.Kind == FixtureEntryKind::SymbolicLink    ? Rar4EntryKind::SymbolicLink
            : entry.Kind == FixtureEntryKind::CharacterDevice ? Rar4EntryKind::CharacterDevice
                                                              : Rar4EntryKind::File;
        rarEntries.push_back({.Name = entry.Name, .Data = entry.Data, .Kind = kind});
    }
    return BuildRar4Archive(rarEntries);
}

QByteArray BuildRar5(const std::vector<ArchiveFixtureEntry>& entries) {
    std::vector<Rar5FixtureEntry> rarEntries;
    for (const ArchiveFixtureEntry& entry : entries)
        rarEntries.push_back({.Name = entry.Name, .Data = entry.Data, .Kind = entry.Kind});
    return BuildRar5Archive(rarEntries);
}
} // namespace

QString ArchiveExtension(ArchiveFormat format) {
    switch (format) {
    case ArchiveFormat::Zip:
        return QStringLiteral(".zip");
    case ArchiveFormat::SevenZip:
        return QStringLiteral(".7z");
    case ArchiveFormat::Rar4:
    case ArchiveFormat::Rar5:
        return QStringLiteral(".rar");
    case ArchiveFormat::Tar:
        return QStringLiteral(".tar");
    case ArchiveFormat::TarGz:
        return QStringLiteral(".tar.gz");
    case ArchiveFormat::TarBz2:
        return QStringLiteral(".tar.bz2");
    case ArchiveFormat::TarXz:
        break;
    }
    return QStringLiteral(".tar.xz");
}

QString ShortArchiveExtension(ArchiveFormat format) {
    switch (format) {
    case ArchiveFormat::TarGz:
        return QStringLiteral(".tgz");
    case ArchiveFormat::TarBz2:
        return QStringLiteral(".tbz2");
    case ArchiveFormat::TarXz:
        return QStringLiteral(".txz");
    default:
        return ArchiveExtension(format);
    }
}

bool ArchiveCanHold(ArchiveFormat format, FixtureEntryKind kind) {
    switch (kind) {
    case FixtureEntryKind::File:
    case FixtureEntryKind::Folder:
    case FixtureEntryKind::SymbolicLink:
        return true;
    case FixtureEntryKind::HardLink:
        // p7zip stores a second hard link as a copy; zip and RAR 4 have none.
        return format >= ArchiveFormat::Rar5;
    case FixtureEntryKind::CharacterDevice:
        return format >= ArchiveFormat::Rar4;
    }
    return false;
}

QByteArray BuildArchive(ArchiveFormat format, const std::vector<ArchiveFixtureEntry>& entries) {
    for (const ArchiveFixtureEntry& entry : entries)
        Check(ArchiveCanHold(format, entry.Kind),
              QStringLiteral("an entry the format cannot hold"));
    switch (format) {
    case ArchiveFormat::Zip:
        return BuildZip(entries);
    case ArchiveFormat::SevenZip:
        return Build7z(entries, {});
    case ArchiveFormat::Rar4:
        return BuildRar4(entries);
    case ArchiveFormat::Rar5:
        return BuildRar5(entries);
    case ArchiveFormat::Tar:
        return BuildTar(QString(), entries);
    case ArchiveFormat::TarGz:
        return BuildTar(QStringLiteral("z"), entries);
    case ArchiveFormat::TarBz2:
        return BuildTar(QStringLiteral("j"), entries);
    case ArchiveFormat::TarXz:
        break;
    }
    return BuildTar(QStringLiteral("J"), entries);
}

QByteArray BuildEncrypted7zArchive(const std::vector<ArchiveFixtureEntry>& entries,
                                   const QByteArray& password, bool namesToo) {
    QStringList options = {QStringLiteral("-p") + QString::fromUtf8(password)};
    if (namesToo)
        options.append(QStringLiteral("-mhe=on"));
    return Build7z(entries, options);
}
