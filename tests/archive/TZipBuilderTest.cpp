#include "archive/TZipBuilder.h"

#include "archive/ArchiveExtractor.h"
#include "archive/LibArchiveProbe.h"
#include "support/FileFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Extracts the entries of an archive (all, or those of the given stored names) into a folder
// under their bare names; the number written.
int Extract(Interaction& user, const QString& archive, const QString& folder,
            const QStringList& only = {}, int passwordReqCount = 1) {
    ArchiveExtractor extractor(user, ArchiveMessages());
    extractor.SetPasswordReqCount(passwordReqCount);
    return int(extractor
                   .Extract(archive, Native(archive), folder,
                            [&](const ArchiveEntry& entry, const QString& name) {
                                return only.isEmpty() || only.contains(entry.Name)
                                           ? std::optional(name)
                                           : std::nullopt;
                            })
                   .size());
}

class TZipBuilderTest : public TempFolderTest {
protected:
    int ExtractAll(const QByteArray& archive, const QStringList& only = {}) {
        FArchive = FFolder.Write(u"a.zip"_s, archive);
        return Extract(FUser, FArchive, FFolder.Path(u"out/"_s), only);
    }

    ScriptedInteraction FUser;
    TZipBuilder FZip;
    QString FArchive;
};
} // namespace

TEST(ArchiveEngines, BothArchiveLibrariesWriteAndReadBack) {
    EXPECT_FALSE(CheckArchiveEngines());
}

// Traversing, absolute and drive names and folder entries of every format: the intake's
// per-format table.
TEST_F(TZipBuilderTest, EveryEntryLandsUnderItsBareNameInsideTheBaseFolderDespiteTrailingJunk) {
    const QByteArray archive = BuildZipArchive({
        {.Name = "objects/chair.iff", .Data = "first chair"},
        {.Name = "readme.txt", .Data = "read me"},
        {.Name = "more/chair.iff", .Data = "second chair"},
        {.Name = "C:relative.iff", .Data = "relative"},
        {.Name = "left/out.iff", .Data = "not named"},
    });
    // Trailing junk after the archive is tolerated.
    EXPECT_EQ(ExtractAll(archive + "junk", {u"objects/chair.iff"_s, u"readme.txt"_s,
                                            u"more/chair.iff"_s, u"C:relative.iff"_s}),
              4);
    EXPECT_EQ(FFolder.Contents(), QStringList({u"a.zip"_s, u"out"_s, u"out/chair.iff"_s,
                                               u"out/readme.txt"_s, u"out/relative.iff"_s}));
    // The later of two entries with one bare name wins.
    EXPECT_EQ(FFolder.Read(u"out/chair.iff"_s), "second chair"_ba);
    EXPECT_TRUE(FUser.Messages().isEmpty());
}

TEST_F(TZipBuilderTest, NamesAreDecodedFromCodePage437OrUtf8ByTheirFlag) {
    FZip.SetZipFileName(FFolder.Write(
        u"names.zip"_s, BuildZipArchive({{.Name = "gr\x81n.iff", .Data = "a", .Utf8Name = false},
                                         {.Name = "gr\xc3\xbcn2.iff", .Data = "b"}})));
    ASSERT_EQ(FZip.GetCount(), 2);
    EXPECT_EQ(FZip.GetDirEntry(0).Name, u"grün.iff"_s);
    EXPECT_EQ(FZip.GetDirEntry(1).Name, u"grün2.iff"_s);
    EXPECT_EQ(FZip.GetDirEntry(1).DeclaredSize, 1);
}

TEST_F(TZipBuilderTest, DamagedArchivesAreReportedAndHaveNoEntries) {
    const QByteArray good = BuildZipArchive({{.Name = "chair.iff", .Data = "chair"}});
    struct Case {
        const char* Name;
        QByteArray Bytes;
    };
    const Case cases[] = {
        {"not a zip", "PK but nothing else"_ba},
        {"empty file", QByteArray()},
        {"truncated", good.left(good.size() - 10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ScriptedInteraction user;
        TZipBuilder zip;
        zip.SetZipFileName(FFolder.Write(u"bad.zip"_s, c.Bytes));
        EXPECT_EQ(zip.GetCount(), 0);
        EXPECT_EQ(zip.Fault(), ArchiveFault::Unreadable);
        EXPECT_EQ(Extract(user, FFolder.Path(u"bad.zip"_s), FFolder.Path(u"out"_s)), 0);
        ASSERT_EQ(user.Messages().size(), 1);
        EXPECT_TRUE(user.MessageTexts().first().startsWith(
            u"The zip archive \"%1\" cannot be read: "_s.arg(Native(FFolder.Path(u"bad.zip"_s)))));
    }
}

TEST_F(TZipBuilderTest, EntriesThatWouldNotFitTheFreeSpaceAreRefusedBeforeAnyIsWritten) {
    // 1,024 entries that each declare almost 4 GB: some 4 TB, more than a test machine has free.
    constexpr int Count = 1024;
    std::vector<ZipFixtureEntry> entries;
    for (int i = 0; i < Count; ++i)
        entries.push_back({.Name = "e" + QByteArray::number(i) + ".iff", .Data = "x"});
    QByteArray archive = BuildZipArchive(entries);
    for (int i = 0; i < Count; ++i) {
        const ZipFieldOffsets fields = ZipEntryFieldOffsets(archive, i);
        for (const qsizetype at : {fields.LocalUncompressedSize, fields.CentralUncompressedSize})
            archive.replace(at, 4, QByteArray("\xF0\xFF\xFF\xFF", 4));
    }
    EXPECT_EQ(ExtractAll(archive), 0);
    EXPECT_TRUE(QDir(FFolder.Path(u"out"_s)).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({u"The entries of \"%1\" need more room than the folder \"%2\" has "
                           u"free; nothing was extracted."_s.arg(
                               Native(FArchive), Native(FFolder.Path(u"out/"_s)))}));
}

TEST_F(TZipBuilderTest, EncryptedEntriesAskForTheirPassword) {
    struct Case {
        const char* Name;
        ZipFixtureCipher Cipher;
        std::vector<std::optional<QString>> Answers;
        int PasswordReqCount;
        bool Extracted;
        bool WrongPasswordReported;
    };
    const Case cases[] = {
        {"ZipCrypto, right", ZipFixtureCipher::ZipCrypto, {u"secret"_s}, 1, true, false},
        {"AES, right", ZipFixtureCipher::Aes256, {u"secret"_s}, 1, true, false},
        {"AES, wrong", ZipFixtureCipher::Aes256, {u"guess"_s}, 1, false, true},
        {"AES, cancelled", ZipFixtureCipher::Aes256, {std::nullopt}, 1, false, false},
        {"AES, right at the third try",
         ZipFixtureCipher::Aes256,
         {u"a"_s, u"b"_s, u"secret"_s},
         3,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TempFolder folder;
        ScriptedInteraction user;
        for (const std::optional<QString>& answer : c.Answers)
            user.ExpectPassword(answer);
        const QString archive =
            folder.Write(u"s.zip"_s, BuildZipArchive({{.Name = "dir/locked.iff",
                                                       .Data = "hidden chair",
                                                       .Cipher = c.Cipher,
                                                       .Password = "secret"},
                                                      {.Name = "open.iff", .Data = "open chair"}}));
        TZipBuilder zip;
        zip.SetZipFileName(archive);
        EXPECT_TRUE(zip.GetDirEntry(0).Encrypted);

        EXPECT_EQ(Extract(user, archive, folder.Path(u"out"_s), {}, c.PasswordReqCount),
                  c.Extracted ? 2 : 1);
        EXPECT_EQ(folder.Read(u"out/locked.iff"_s), c.Extracted ? "hidden chair"_ba : ""_ba);
        EXPECT_EQ(folder.Read(u"out/open.iff"_s), "open chair"_ba);
        EXPECT_EQ(user.PasswordPrompts().size(), qsizetype(c.Answers.size()));
        EXPECT_EQ(user.MessageTexts(),
                  c.WrongPasswordReported
                      ? QStringList({u"Entry \"dir/locked.iff\" in \"%1\" was not extracted: the "
                                     u"password is wrong."_s.arg(Native(archive))})
                      : QStringList());
    }
}

TEST_F(TZipBuilderTest, APasswordThatOpenedOneEntryIsTriedOnTheNextBeforeAsking) {
    FUser.ExpectPassword(u"secret"_s);
    const auto locked = [](const char* name) {
        return ZipFixtureEntry{.Name = name,
                               .Data = name,
                               .Cipher = ZipFixtureCipher::ZipCrypto,
                               .Password = "secret"};
    };
    EXPECT_EQ(ExtractAll(BuildZipArchive({locked("one.iff"), locked("two.iff")})), 2);
    EXPECT_EQ(FUser.PasswordPrompts().size(), 1);
    EXPECT_EQ(FFolder.Read(u"out/two.iff"_s), "two.iff"_ba);
}

TEST_F(TZipBuilderTest, ArchivesOfTheArchiveToolsExtractAsTheToolsExtractThem) {
    // Each archive is made in "src" as NAME.zip beside it and extracted without folders into
    // NAME-by-tool by the reference; unzip cannot read AES, so 7z is the reference there.
    const auto words = [](const QString& line) { return line.split(u' '); };
    const QStringList unzip = words(u"unzip -q -j -P pw ARCHIVE -d OUT"_s);
    const struct {
        QString Name;
        QStringList Make;
        QStringList Reference;
    } archives[] = {
        {u"zip"_s, words(u"zip -q -r -P pw ../zip.zip ."_s), unzip},
        {u"7z-zipcrypto"_s, words(u"7z a -bd -tzip -ppw -mem=ZipCrypto ../7z-zipcrypto.zip ."_s),
         unzip},
        {u"7z-aes"_s, words(u"7z a -bd -tzip -ppw -mem=AES256 ../7z-aes.zip ."_s),
         words(u"7z e -bd -ppw ARCHIVE -oOUT"_s)},
    };
    FFolder.Write(u"src/objects/chair.iff"_s, QByteArray(70000, 'c') + "end");
    // An entry keeps its own date, so a file installed from it shows the download's.
    ASSERT_TRUE(SetFileModified(FFolder.Write(u"src/walls/stone.wll"_s, "stone"),
                                QDateTime(QDate(2019, 5, 4), QTime(10, 20, 30))));
    FFolder.Write(u"src/empty.flr"_s, "");
    for (const auto& archive : archives) {
        SCOPED_TRACE(archive.Name.toStdString());
        FArchive = FFolder.Path(archive.Name + u".zip"_s);
        ASSERT_EQ(RunProgram(archive.Make[0], archive.Make.mid(1),
                             QProcessEnvironment::systemEnvironment(), FFolder.Path(u"src"_s))
                      .Exit,
                  0);
        QStringList reference = archive.Reference;
        reference.replaceInStrings(u"ARCHIVE"_s, FArchive);
        reference.replaceInStrings(u"OUT"_s, FFolder.Path(archive.Name + u"-by-tool"_s));
        ASSERT_EQ(RunProgram(reference[0], reference.mid(1)).Exit, 0);

        FUser.ExpectPassword(u"pw"_s);
        EXPECT_EQ(Extract(FUser, FArchive, FFolder.Path(archive.Name + u"-by-us"_s)), 3);
        const QStringList names = {u"chair.iff"_s, u"empty.flr"_s, u"stone.wll"_s};
        EXPECT_EQ(QDir(FFolder.Path(archive.Name + u"-by-tool"_s)).entryList(QDir::Files), names);
        EXPECT_EQ(QDir(FFolder.Path(archive.Name + u"-by-us"_s)).entryList(QDir::Files), names);
        for (const QString& name : names)
            EXPECT_EQ(FFolder.Read(archive.Name + u"-by-us/"_s + name),
                      FFolder.Read(archive.Name + u"-by-tool/"_s + name))
                << name.toStdString();
        EXPECT_EQ(QFileInfo(FFolder.Path(archive.Name + u"-by-us/stone.wll"_s)).lastModified(),
                  QDateTime(QDate(2019, 5, 4), QTime(10, 20, 30)));
    }
}
