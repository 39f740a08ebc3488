#include "archive/ArchiveExtractor.h"

#include "archive/ArchiveOpening.h"
#include "support/LibArchiveFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
using enum LibArchiveFixtureFormat;
using enum LibArchiveFixtureKind;

class ArchiveExtractorTest : public TempFolderTest {
protected:
    // Extracts every entry of the archive into "out" under its bare name; the written
    // entries' file names.
    QStringList ExtractAll(const QString& archive) {
        const ArchiveExtractor extractor(FUser, ArchiveMessages());
        QStringList names;
        for (const ExtractedEntry& entry :
             extractor.Extract(archive, QDir::toNativeSeparators(archive), FFolder.Path(u"out"_s),
                               [](const ArchiveEntry&, const QString& name) { return name; }))
            names.append(entry.FileName);
        return names;
    }

    QStringList Out() const {
        return QDir(FFolder.Path(u"out"_s))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    ScriptedInteraction FUser;
};
} // namespace

TEST_F(ArchiveExtractorTest, TheBackendFollowsTheSignatureBeforeTheExtension) {
    const QByteArray zip = BuildZipArchive({{.Name = "a.iff", .Data = "a"}});
    const QByteArray sevenZip = BuildLibArchive(SevenZip, {{.Name = "a.iff", .Data = "a"}});
    const QByteArray tar = BuildLibArchive(Tar, {{.Name = "a.iff", .Data = "a"}});
    const struct {
        QString Name;
        QByteArray Bytes;
        ArchiveBackend Backend;
    } cases[] = {
        {u"zip-named.rar"_s, zip, ArchiveBackend::Zip},
        {u"7z-named.zip"_s, sevenZip, ArchiveBackend::LibArchive},
        {u"tar-named.dat"_s, tar, ArchiveBackend::LibArchive},
        {u"gz-named.zip"_s, BuildLibArchive(TarGz, {}), ArchiveBackend::LibArchive},
        {u"junk.zip"_s, "junk"_ba, ArchiveBackend::Zip},
        {u"junk.7z"_s, "junk"_ba, ArchiveBackend::LibArchive},
        {u"empty.ZIP"_s, ""_ba, ArchiveBackend::Zip},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseArchiveBackend(FFolder.Write(c.Name, c.Bytes)), c.Backend)
            << c.Name.toStdString();
    for (const QString& name : {u"a.ZIP"_s, u"b.7z"_s, u"c.rar"_s, u"d.tar"_s, u"e.tar.gz"_s,
                                u"f.TGZ"_s, u"g.tar.bz2"_s, u"h.tbz2"_s, u"i.tar.xz"_s, u"j.txz"_s})
        EXPECT_TRUE(IsArchiveName(u"dl/"_s + name)) << name.toStdString();
    for (const QString& name : {u"a.gz"_s, u"b.iff"_s, u"zip"_s, u"c.zip.txt"_s})
        EXPECT_FALSE(IsArchiveName(name)) << name.toStdString();

    // A zip renamed .rar opens; a .7z that is none is reported as unreadable.
    EXPECT_EQ(ExtractAll(FFolder.Path(u"zip-named.rar"_s)), QStringList({u"a.iff"_s}));
    EXPECT_EQ(ExtractAll(FFolder.Path(u"junk.7z"_s)), QStringList());
    ASSERT_EQ(FUser.MessageTexts().size(), 1);
    EXPECT_TRUE(FUser.MessageTexts()[0].startsWith(u"The archive \"%1\" cannot be read: "_s.arg(
        QDir::toNativeSeparators(FFolder.Path(u"junk.7z"_s)))));
}

// Bare names, refused names and kinds, in archive order, for every format libarchive reads.
TEST_F(ArchiveExtractorTest, EveryFormatFollowsTheRulesOfZip) {
    const std::vector<LibArchiveFixtureEntry> entries = {
        {.Name = "objs/", .Kind = Folder},
        {.Name = "objs/chair.iff", .Data = QByteArray(70000, 'c') + "end"},
        {.Name = "../../up.iff", .Data = "up"},
        {.Name = "C:\\x\\drive.iff", .Data = "drive"},
        {.Name = "sub/..", .Data = "dots"},
        {.Name = "link.iff", .Data = "/etc/passwd", .Kind = SymbolicLink},
        {.Name = "hard.iff", .Data = "objs/chair.iff", .Kind = HardLink},
        {.Name = "dev.iff", .Kind = Device},
    };
    for (const LibArchiveFixtureFormat format : {Tar, TarGz, TarBz2, TarXz}) {
        SCOPED_TRACE(int(format));
        TempFolder folder;
        ScriptedInteraction user;
        const QString archive = folder.Write(u"a.tar"_s, BuildLibArchive(format, entries));
        const ArchiveExtractor extractor(user, ArchiveMessages());
        QStringList written;
        for (const ExtractedEntry& entry :
             extractor.Extract(archive, u"A"_s, folder.Path(u"out"_s),
                               [](const ArchiveEntry&, const QString& name) { return name; }))
            written.append(entry.StoredName + u" > "_s + QFileInfo(entry.Path).fileName());
        EXPECT_EQ(written, QStringList({u"objs/chair.iff > chair.iff"_s, u"../../up.iff > up.iff"_s,
                                        u"C:\\x\\drive.iff > drive.iff"_s}));
        EXPECT_EQ(folder.Read(u"out/chair.iff"_s), QByteArray(70000, 'c') + "end");
        EXPECT_EQ(QFileInfo(folder.Path(u"out/chair.iff"_s)).lastModified().toSecsSinceEpoch(),
                  1'700'000'000);
        const QString entry = u"Entry \"%1\" in \"A\" was not extracted: "_s;
        EXPECT_EQ(
            user.MessageTexts(),
            QStringList({entry.arg(u"sub/.."_s) + u"it has no plain file name."_s,
                         entry.arg(u"link.iff"_s) + u"it is a symbolic link."_s,
                         entry.arg(u"hard.iff"_s) + u"it is a hard link."_s,
                         entry.arg(u"dev.iff"_s) + u"it is a device or another special file."_s}));
        EXPECT_EQ(folder.Contents(), QStringList({u"a.tar"_s, u"out"_s, u"out/chair.iff"_s,
                                                  u"out/drive.iff"_s, u"out/up.iff"_s}));
    }
}

quint32 Crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffff;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

// A stored RAR 4 archive whose file headers, or whose archive header, carry the password
// flag; the "encrypted" bytes are the plain ones, which the library would hand out as they
// are.
QByteArray Rar4(const std::vector<std::pair<QByteArray, bool>>& files, bool headersEncrypted) {
    const auto block = [](quint8 type, quint16 flags, const QByteArray& body) {
        QByteArray rest;
        QDataStream out(&rest, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << type << flags << quint16(7 + body.size());
        rest += body;
        QByteArray head;
        QDataStream crc(&head, QIODevice::WriteOnly);
        crc.setByteOrder(QDataStream::LittleEndian);
        crc << quint16(Crc32(rest) & 0xffff);
        return head + rest;
    };
    QByteArray bytes = "Rar!\x1a\x07\x00"_ba.left(7) +
                       block(0x73, headersEncrypted ? 0x0080 : 0, QByteArray(6, 0));
    for (const auto& [name, encrypted] : files) {
        QByteArray body;
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(name.size()) << quint32(name.size()) << quint8(3) << Crc32(name)
            << quint32(0x5A000000) << quint8(29) << quint8(0x30) << quint16(name.size())
            << quint32(0x81a4);
        bytes += block(0x74, 0x8000 | (encrypted ? 0x04 : 0), body + name) + name;
    }
    return bytes + block(0x7b, 0x4000, {});
}

// Encryption libarchive cannot undo: 7z archives encrypted by the 7z tool (data alone or
// headers too) and RAR 4 entries or headers. No password is asked and nothing of the
// archive stays, not even its open entries.
TEST_F(ArchiveExtractorTest, EncryptionTheBackendCannotOpenLeavesNothingBehind) {
    FFolder.Write(u"src/a.iff"_s, "a");
    FFolder.Write(u"src/b.txt"_s, "b");
    QStringList archives;
    for (const QString& headers : {u"-mhe=off"_s, u"-mhe=on"_s}) {
        archives.append(FFolder.Path(u"locked"_s + headers + u".7z"_s));
        ASSERT_EQ(RunProgram(u"7z"_s,
                             {u"a"_s, u"-bd"_s, u"-psecret"_s, headers, archives.last(),
                              u"src/b.txt"_s, u"src/a.iff"_s},
                             QProcessEnvironment::systemEnvironment(), FFolder.Path())
                      .Exit,
                  0);
    }
    archives.append(
        FFolder.Write(u"entry.rar"_s, Rar4({{"b.txt", false}, {"a.iff", true}}, false)));
    archives.append(FFolder.Write(u"headers.rar"_s, Rar4({{"a.iff", false}}, true)));
    for (const QString& archive : archives) {
        SCOPED_TRACE(archive.toStdString());
        ScriptedInteraction user;
        const ArchiveExtractor extractor(user, ArchiveMessages());
        EXPECT_TRUE(extractor
                        .Extract(archive, u"L"_s, FFolder.Path(u"out"_s),
                                 [](const ArchiveEntry&, const QString& name) { return name; })
                        .isEmpty());
        EXPECT_EQ(user.MessageTexts(),
                  QStringList({u"The archive \"L\" is encrypted in a way this program cannot "
                               u"open; nothing was extracted from it."_s}));
        EXPECT_TRUE(user.PasswordPrompts().isEmpty());
        EXPECT_EQ(Out(), QStringList());
    }
    // The same RAR without the flag opens.
    EXPECT_EQ(ExtractAll(FFolder.Write(u"open.rar"_s, Rar4({{"b.txt", false}}, false))),
              QStringList({u"b.txt"_s}));
}
