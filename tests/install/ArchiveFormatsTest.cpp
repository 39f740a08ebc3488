#include "install/FileIntake.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/ArchiveFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/Rar4Fixtures.h"
#include "support/Rar5Fixtures.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>

#include <functional>

using namespace Qt::StringLiterals;

// Every archive format the intake reads, under the rules zip follows: what lands in the
// temporary folder, what the user is told, and that nothing lands anywhere else.

namespace {
constexpr ArchiveFormat Formats[] = {
    ArchiveFormat::Zip, ArchiveFormat::SevenZip, ArchiveFormat::Rar4,   ArchiveFormat::Rar5,
    ArchiveFormat::Tar, ArchiveFormat::TarGz,    ArchiveFormat::TarBz2, ArchiveFormat::TarXz};

QByteArray Noise(qsizetype size) {
    QRandomGenerator random(7);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Every file (links and devices too, folders not) below root, relative to it, sorted.
QStringList FilesBelow(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// One intake of the given downloads, with the answers and messages of its own user.
struct IntakeRun {
    explicit IntakeRun(const TempFolder& folder) : FFolder(folder) {
        FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
        QDir().mkpath(folder.Path(u"temp"_s));
    }
    void Run(const QStringList& downloads) {
        FileIntake intake(FUser, FLanguage, PackFlags{}, FFolder.Path(u"temp"_s));
        intake.SelectFiles(downloads);
    }

    const TempFolder& FFolder;
    TLanguage FLanguage;
    ScriptedInteraction FUser;
};

// Expects one message per fragment, each holding its fragment, %1 standing for the archive.
void ExpectMessages(const QStringList& shown, const QStringList& fragments,
                    const QString& archive) {
    ASSERT_EQ(shown.size(), fragments.size()) << shown.join(u'\n').toStdString();
    for (qsizetype i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(shown[i].contains(QString(fragments[i]).replace(u"%1"_s, Native(archive))))
            << shown[i].toStdString();
}

const QString LinkRefused =
    u"Entry \"link.iff\" in \"%1\" was not extracted: it is a symbolic link."_s;
const QString CannotBeRead = u"\"%1\" cannot be read"_s;
} // namespace

TEST(ArchiveFormats, HostileArchivesOfEveryFormatAreReducedOrRefusedInsideTheTempFolder) {
    const ArchiveFixtureEntry good{.Name = "good.iff", .Data = "good"};
    const auto entries = [&](std::vector<ArchiveFixtureEntry> list) {
        list.push_back(good);
        return [list](ArchiveFormat format) { return BuildArchive(format, list); };
    };
    const auto truncated = [](ArchiveFormat format) {
        const QByteArray whole = BuildArchive(format, {{.Name = "big.iff", .Data = Noise(200000)}});
        return whole.left(whole.size() * 6 / 10);
    };
    // Zip and RAR declare each entry's unpacked size apart from its data; tar's size is where
    // its data ends and 7z's is checked with the headers.
    const auto oversized = [](ArchiveFormat format) {
        if (format == ArchiveFormat::Rar4)
            return BuildRar4Archive(
                {{.Name = "bomb.iff", .Data = QByteArray(5000, 'x'), .DeclaredSize = 16},
                 {.Name = "good.iff", .Data = "good"}});
        if (format == ArchiveFormat::Rar5)
            return BuildRar5Archive(
                {{.Name = "bomb.iff", .Data = QByteArray(5000, 'x'), .DeclaredSize = 16},
                 {.Name = "good.iff", .Data = "good"}});
        QByteArray zip = BuildZipArchive({{.Name = "bomb.iff", .Data = QByteArray(5000, 'x')},
                                          {.Name = "good.iff", .Data = "good"}});
        const ZipFieldOffsets fields = ZipEntryFieldOffsets(zip, 0);
        for (const qsizetype at : {fields.LocalUncompressedSize, fields.CentralUncompressedSize})
            zip.replace(at, 4, QByteArray("\x10\x00\x00\x00", 4));
        return zip;
    };
    const auto any = [](ArchiveFormat) { return true; };
    const auto holds = [](FixtureEntryKind kind) {
        return [kind](ArchiveFormat format) { return ArchiveCanHold(format, kind); };
    };
    const struct {
        const char* Name;
        std::function<bool(ArchiveFormat)> Applies;
        std::function<QByteArray(ArchiveFormat)> Bytes;
        QStringList Extracted;
        QStringList Messages;
    } cases[] = {
        {"traversal, drive and absolute names, a folder",
         any,
         entries({{.Name = "objs", .Kind = FixtureEntryKind::Folder},
                  {.Name = "../../escape.iff", .Data = "e"},
                  {.Name = "/tmp/packwright-absolute.iff", .Data = "a"},
                  {.Name = "C:\\x\\drive.iff", .Data = "d"},
                  {.Name = "..\\..\\back.iff", .Data = "b"}}),
         {u"back.iff"_s, u"drive.iff"_s, u"escape.iff"_s, u"good.iff"_s,
          u"packwright-absolute.iff"_s},
         {}},
        {"no plain file name",
         any,
         entries({{.Name = "sub/..", .Data = "dots"}}),
         {u"good.iff"_s},
         {u"Entry \"sub/..\" in \"%1\" was not extracted: it has no plain file name."_s}},
        {"symbolic link",
         any,
         entries(
             {{.Name = "link.iff", .Data = "/etc/passwd", .Kind = FixtureEntryKind::SymbolicLink}}),
         {u"good.iff"_s},
         {LinkRefused}},
        {"hard link",
         holds(FixtureEntryKind::HardLink),
         [&](ArchiveFormat format) {
             return BuildArchive(
                 format,
                 {good,
                  {.Name = "hard.iff", .Data = "good.iff", .Kind = FixtureEntryKind::HardLink}});
         },
         {u"good.iff"_s},
         {u"Entry \"hard.iff\" in \"%1\" was not extracted: it is a hard link."_s}},
        {"device",
         holds(FixtureEntryKind::CharacterDevice),
         entries({{.Name = "dev.iff", .Kind = FixtureEntryKind::CharacterDevice}}),
         {u"good.iff"_s},
         {u"Entry \"dev.iff\" in \"%1\" was not extracted: it is a device or another "
          u"special file."_s}},
        {"fake", any, [](ArchiveFormat) { return "no archive at all"_ba; }, {}, {CannotBeRead}},
        {"zero bytes", any, [](ArchiveFormat) { return QByteArray(); }, {}, {CannotBeRead}},
        {"truncated", any, truncated, {}, {u"\"%1\""_s}},
        {"no entries", any, [](ArchiveFormat format) { return BuildArchive(format, {}); }, {}, {}},
        {"entry larger than declared",
         [](ArchiveFormat format) {
             return format == ArchiveFormat::Zip || format == ArchiveFormat::Rar4 ||
                    format == ArchiveFormat::Rar5;
         },
         oversized,
         {u"good.iff"_s},
         {u"Entry \"bomb.iff\" in \"%1\" holds more data than it declares; it was cut off and "
          u"not extracted."_s}},
    };
    for (const auto& c : cases) {
        for (const ArchiveFormat format : Formats) {
            if (!c.Applies(format))
                continue;
            const QString name = u"a"_s + ArchiveExtension(format);
            SCOPED_TRACE(c.Name + (u" in "_s + name).toStdString());
            TempFolder folder;
            IntakeRun intake(folder);
            const QString archive = folder.Write(u"dl/"_s + name, c.Bytes(format));
            intake.Run({archive});

            QStringList expected = {u"dl/"_s + name};
            for (const QString& file : c.Extracted)
                expected.append(u"temp/"_s + name + u'/' + file);
            EXPECT_EQ(FilesBelow(folder.Path()), expected);
            ExpectMessages(intake.FUser.MessageTexts(), c.Messages, archive);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(u"/tmp/packwright-absolute.iff"_s));
}

TEST(ArchiveFormats, ArchivesInsideArchivesOfOtherFormatsStopAtTheDepthLimit) {
    // Twenty levels, each of the next format and spelling: a.zip holds level1.7z, which holds
    // level2.rar, and so on; the innermost holds deep.iff.
    struct Spelling {
        ArchiveFormat Format;
        QString Extension;
    };
    std::vector<Spelling> spellings;
    for (const ArchiveFormat format : Formats)
        spellings.push_back({format, ArchiveExtension(format)});
    for (const ArchiveFormat format :
         {ArchiveFormat::TarGz, ArchiveFormat::TarBz2, ArchiveFormat::TarXz})
        spellings.push_back({format, ShortArchiveExtension(format)});
    const auto spelling = [&](int level) { return spellings[size_t(level) % spellings.size()]; };
    const auto levelName = [&](int level) {
        return u"level%1"_s.arg(level) + spelling(level).Extension;
    };
    constexpr int Levels = 20;
    QByteArray bytes =
        BuildArchive(spelling(Levels - 1).Format, {{.Name = "deep.iff", .Data = "deep"}});
    for (int level = Levels - 1; level > 0; --level)
        bytes = BuildArchive(spelling(level - 1).Format,
                             {{.Name = levelName(level).toUtf8(), .Data = bytes}});
    TempFolder folder;
    IntakeRun intake(folder);
    intake.Run({folder.Write(u"dl/a.zip"_s, bytes)});

    // Levels 0 to the limit are opened; the next is extracted but not opened.
    const int opened = FileIntake::MaxArchiveDepth + 1;
    QStringList expected = {u"dl/a.zip"_s};
    QString holder = u"a.zip"_s;
    for (int level = 1; level <= opened; ++level) {
        expected.append(u"temp/"_s + holder + u'/' + levelName(level));
        holder = levelName(level);
    }
    expected.sort();
    EXPECT_EQ(FilesBelow(folder.Path()), expected);
    const QStringList messages = intake.FUser.MessageTexts();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"The archive \""_s));
    EXPECT_TRUE(messages[0].endsWith(levelName(opened) + u"\" lies inside too many other "
                                                         u"archives; it was not opened."_s))
        << messages[0].toStdString();
}

// Encryption libarchive cannot undo: 7z archives encrypted by the 7z tool (data alone or
// names too), RAR 4 and RAR 5 entries or headers flagged as encrypted. No password is asked and
// nothing of such an archive stays, not even its open entries; the others go on.
TEST(ArchiveFormats, EncryptedArchivesTheProgramCannotOpenAreNamedAndLeaveNothingBehind) {
    const std::vector<ArchiveFixtureEntry> secret = {{.Name = "chair.iff", .Data = "chair"},
                                                     {.Name = "read.txt", .Data = "readme"}};
    const Rar4FixtureEntry open{.Name = "read.txt", .Data = "readme"};
    TempFolder folder;
    IntakeRun intake(folder);
    const QStringList archives = {
        folder.Write(u"dl/entries.7z"_s, BuildEncrypted7zArchive(secret, "pw", false)),
        folder.Write(u"dl/names.7z"_s, BuildEncrypted7zArchive(secret, "pw", true)),
        folder.Write(u"dl/flagged.rar"_s,
                     BuildRar4Archive({open, {.Name = "chair.iff", .Encrypted = true}})),
        folder.Write(u"dl/headers.rar"_s, BuildRar4Archive({open}, true)),
        folder.Write(u"dl/flagged5.rar"_s,
                     BuildRar5Archive({{.Name = "read.txt", .Data = "readme"},
                                       {.Name = "chair.iff", .Data = "chair", .Encrypted = true}})),
        folder.Write(u"dl/headers5.rar"_s,
                     BuildRar5Archive({{.Name = "read.txt", .Data = "readme"}}, true)),
        folder.Write(u"dl/open.zip"_s, BuildZipArchive({{.Name = "sofa.iff", .Data = "sofa"}}))};
    intake.Run(archives);

    EXPECT_EQ(FilesBelow(folder.Path(u"temp"_s)), QStringList{u"open.zip/sofa.iff"_s});
    QStringList expected;
    for (const QString& archive : archives.mid(0, 6))
        expected.append(u"The archive \"%1\" is encrypted in a way this program cannot open; "
                        u"nothing was extracted from it."_s.arg(Native(archive)));
    EXPECT_EQ(intake.FUser.MessageTexts(), expected);
    EXPECT_TRUE(intake.FUser.PasswordPrompts().isEmpty());
}

TEST(ArchiveFormats, EveryFormatExtractsWhatTheSystemToolsExtract) {
    const std::vector<ArchiveFixtureEntry> entries = {
        {.Name = "objects/chair.iff", .Data = Noise(70000) + QByteArray(30000, 'c')},
        {.Name = "walls/stone.wll", .Data = "stone"},
        {.Name = "empty.flr", .Data = ""},
        {.Name = "read me.txt", .Data = "read me\r\n"}};
    const QStringList names = {u"chair.iff"_s, u"empty.flr"_s, u"read me.txt"_s, u"stone.wll"_s};
    for (const ArchiveFormat format : Formats) {
        // The short spellings of compressed tars, to read them too.
        const QString name = u"a"_s + ShortArchiveExtension(format);
        SCOPED_TRACE(name.toStdString());
        TempFolder folder;
        IntakeRun intake(folder);
        const QString archive = folder.Write(u"dl/"_s + name, BuildArchive(format, entries));
        const QString byTool = folder.Path(u"tool"_s);
        QDir().mkpath(byTool);
        const ProgramRun tool =
            format <= ArchiveFormat::Rar4
                ? RunProgram(u"7z"_s, {u"e"_s, u"-bd"_s, archive, u"-o"_s + byTool})
                : RunProgram(u"bsdtar"_s, {u"-x"_s, u"-f"_s, archive, u"-C"_s, byTool});
        ASSERT_EQ(tool.Exit, 0) << tool.Err.toStdString();
        intake.Run({archive});

        QStringList toolFiles;
        for (const QString& file : FilesBelow(byTool))
            toolFiles.append(QFileInfo(file).fileName());
        toolFiles.sort();
        EXPECT_EQ(toolFiles, names);
        EXPECT_EQ(FilesBelow(folder.Path(u"temp/"_s + name)), names);
        for (const ArchiveFixtureEntry& entry : entries) {
            const QString bare = QFileInfo(QString::fromUtf8(entry.Name)).fileName();
            const QString ours = u"temp/"_s + name + u'/' + bare;
            EXPECT_EQ(folder.Read(ours), entry.Data) << bare.toStdString();
            QString theirs = u"tool/"_s + bare;
            if (format > ArchiveFormat::Rar4)
                theirs = u"tool/"_s + QString::fromUtf8(entry.Name);
            EXPECT_EQ(folder.Read(ours), folder.Read(theirs)) << bare.toStdString();
            // Tar, 7z and RAR 5 keep each file's own date, so an installed file shows the
            // download's.
            if (format != ArchiveFormat::Zip && format != ArchiveFormat::Rar4) {
                EXPECT_EQ(QFileInfo(folder.Path(ours)).lastModified().toSecsSinceEpoch(),
                          ArchiveFixtureModified)
                    << bare.toStdString();
            }
        }
        EXPECT_TRUE(intake.FUser.Messages().isEmpty());
    }
}
