#include "farpack/FarPacking.h"

#include "common/DayCountDate.h"
#include "formats/InstalledFilesDb.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/FarFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
using enum FarPackState;

struct English : TLanguage {
    English() { SetDefaultLanguage(BuiltInEnglishLines()); }
};

struct Expected {
    FarPackState State;
    QString Backup; // below the backup folder; "" when none
};
} // namespace

class FarPackingTest : public TempFolderTest {
protected:
    // A fresh folder and interaction for the next row of a table.
    void NextRow(int row) {
        FRoot = u"row%1/"_s.arg(row);
        FInteraction = std::make_unique<ScriptedInteraction>();
    }
    QString Path(const QString& name) const { return FFolder.Path(FRoot + name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        return FFolder.Write(FRoot + name, bytes);
    }
    QByteArray Read(const QString& name) const { return FFolder.Read(FRoot + name); }
    QString Game() const { return Path(u"game/"_s); }
    QString Far() const { return Path(u"game/GameData/UserObjects/My.far"_s); }
    QByteArray FarBytes() const { return Read(u"game/GameData/UserObjects/My.far"_s); }
    QString Backup(const QString& name = QString()) const { return Path(u"backup/"_s + name); }
    QString Object(const QString& name, const QByteArray& bytes) const {
        return Write(u"game/GameData/UserObjects/"_s + name, bytes);
    }
    QString ObjectPath(const QString& name) const {
        return Path(u"game/GameData/UserObjects/"_s + name);
    }
    ScriptedInteraction& Asked() { return *FInteraction; }

    FarPackOutcome Pack(FileExistsAnswer answer = FileExistsAnswer::Ask) {
        FarPackRequest request{{Game(), Far(), Backup()},
                               u"mine"_s,
                               Path(u"files.iff"_s),
                               answer,
                               FindFarCandidates(Game())};
        return Pack(request);
    }
    FarPackOutcome Pack(const FarPackRequest& request) {
        return PackObjectsIntoFar(request, FLanguage, *FInteraction);
    }

    std::vector<InstalledFileRecord> Records(ContentKind kind) const {
        const InstalledFilesDb db(Path(u"files.iff"_s));
        std::vector<InstalledFileRecord> records;
        for (int i = 0; i < db.Count(kind); ++i)
            records.push_back(db.Get(kind, i));
        return records;
    }

    void ExpectResults(const FarPackOutcome& outcome, const std::vector<Expected>& expected) {
        ASSERT_EQ(outcome.Results.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(outcome.Results[i].State, expected[i].State) << i;
            EXPECT_EQ(outcome.Results[i].BackupPath,
                      expected[i].Backup.isEmpty() ? QString() : Backup(expected[i].Backup))
                << i;
        }
    }

    English FLanguage;
    QString FRoot;
    std::unique_ptr<ScriptedInteraction> FInteraction = std::make_unique<ScriptedInteraction>();
};

TEST_F(FarPackingTest, PacksIntoANewArchiveMovesToTheBackupAndRecordsWhatWasPacked) {
    const QString chair = Object(u"chair.iff"_s, "chair");
    const QString lamp = Object(u"Sets/lamp.iff"_s, "lamp!");
    const QDateTime stamp(QDate(2004, 5, 6), QTime(7, 8, 9));
    {
        QFile file(chair);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    Write(u"files.iff"_s, BuildFilesDb({{100, {{chair, u"45000.25"_s, u"old\\comment"_s}}}}));
    const double before = ToDayCount(QDateTime::currentDateTime());

    ExpectResults(Pack(), {{Packed, u"chair.iff"_s}, {Packed, u"Sets/lamp.iff"_s}});

    EXPECT_EQ(FarBytes(), BuildFarArchive({{"chair.iff", "chair"}, {"Sets\\lamp.iff", "lamp!"}}));
    EXPECT_EQ(Read(u"backup/chair.iff"_s), "chair");
    EXPECT_EQ(Read(u"backup/Sets/lamp.iff"_s), "lamp!");
    EXPECT_EQ(QFileInfo(Backup(u"chair.iff"_s)).lastModified(), stamp);
    EXPECT_FALSE(QFile::exists(chair) || QFile::exists(lamp));

    EXPECT_TRUE(Records(ContentKind::Objects).empty());
    const std::vector<InstalledFileRecord> packed = {
        {Far() + u"\\chair.iff"_s, u"old\\comment"_s, 45000.25},
        {Far() + u"\\Sets\\lamp.iff"_s, QString(), 0}};
    EXPECT_EQ(Records(ContentKind::FarPackedFiles), packed);
    const std::vector<InstalledFileRecord> archives = Records(ContentKind::FarFiles);
    ASSERT_EQ(archives.size(), 1u);
    EXPECT_EQ(archives[0].FileName, Far());
    EXPECT_EQ(archives[0].Comment, u"mine"_s);
    EXPECT_GE(archives[0].InstalledAt, before);

    ASSERT_FALSE(Asked().Progress().isEmpty());
    EXPECT_EQ(Asked().Progress().back().Message, u"Creating FAR file "_s + Far() + u"..."_s);
    EXPECT_EQ(Asked().MessageTexts(),
              QStringList{u"2 Files packed into FAR file "_s + Far() + u"."_s});
}

// The archive holds chair.iff ("old") and keep.iff; the new chair.iff is "new!".
TEST_F(FarPackingTest, ArchiveConflictsFollowTheRememberedOrTheGivenAnswer) {
    struct Row {
        FileExistsAnswer Remembered;
        std::optional<FileExistsReply> Reply;
        std::vector<FarFixtureEntry> Archive;
        Expected Result;
        FileExistsAnswer RememberedAfter;
    };
    const std::vector<FarFixtureEntry> untouched = {{"chair.iff", "old"}, {"keep.iff", "k"}};
    const std::vector<FarFixtureEntry> replaced = {{"keep.iff", "k"}, {"chair.iff", "new!"}};
    const std::vector<Row> rows = {
        {FileExistsAnswer::OverwriteAll,
         {},
         replaced,
         {Packed, u"chair.iff"_s},
         FileExistsAnswer::OverwriteAll},
        {FileExistsAnswer::SkipAll, {}, untouched, {Skipped, {}}, FileExistsAnswer::SkipAll},
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::Overwrite, {}},
         replaced,
         {Packed, u"chair.iff"_s},
         FileExistsAnswer::Ask},
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::OverwriteAll, {}},
         replaced,
         {Packed, u"chair.iff"_s},
         FileExistsAnswer::OverwriteAll},
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::Skip, {}},
         untouched,
         {Skipped, {}},
         FileExistsAnswer::Ask},
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::Rename, u"chair2.iff"_s},
         {{"chair.iff", "old"}, {"keep.iff", "k"}, {"chair2.iff", "new!"}},
         {Packed, u"chair2.iff"_s},
         FileExistsAnswer::Ask},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        Object(u"chair.iff"_s, "new!");
        Write(u"game/GameData/UserObjects/My.far"_s, BuildFarArchive(untouched));
        if (row.Reply)
            Asked().ExpectFileExists(*row.Reply);

        const FarPackOutcome outcome = Pack(row.Remembered);
        SCOPED_TRACE(int(row.Remembered));
        ExpectResults(outcome, {row.Result});
        EXPECT_EQ(outcome.RememberedAnswer, row.RememberedAfter);
        EXPECT_EQ(FarBytes(), BuildFarArchive(row.Archive));
        EXPECT_EQ(QFile::exists(ObjectPath(u"chair.iff"_s)), row.Result.State == Skipped);
        if (row.Reply) {
            ASSERT_EQ(Asked().FileExistsQuestions().size(), 1);
            const FileExistsQuestion& asked = Asked().FileExistsQuestions()[0];
            const QString message = u"A file with the name chair.iff has already been found in the "
                                    u"FAR File.\r\nWhat do you want to do?"_s;
            EXPECT_EQ(asked.Message, message);
            EXPECT_EQ(asked.ExistingPath, Far());
            EXPECT_EQ(asked.NewPath, ObjectPath(u"chair.iff"_s));
            EXPECT_EQ(asked.ExistingSize, 3);
        }
    }
}

// backup/chair.iff holds "older"; the new chair.iff is "new!".
TEST_F(FarPackingTest, BackupConflictsFollowTheRememberedOrTheGivenAnswer) {
    struct Row {
        FileExistsAnswer Remembered;
        std::optional<FileExistsReply> Reply;
        Expected Result;
        QByteArray OldBackup;
    };
    const std::vector<Row> rows = {
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::Skip, {}},
         {Skipped, {}},
         "older"},
        {FileExistsAnswer::OverwriteAll, {}, {Packed, u"chair.iff"_s}, "new!"},
        {FileExistsAnswer::Ask,
         FileExistsReply{FileExistsAnswer::Rename, u"chair-2.iff"_s},
         {Packed, u"chair-2.iff"_s},
         "older"},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        SCOPED_TRACE(int(&row - rows.data()));
        Object(u"chair.iff"_s, "new!");
        Write(u"backup/chair.iff"_s, "older");
        if (row.Reply)
            Asked().ExpectFileExists(*row.Reply);

        ExpectResults(Pack(row.Remembered), {row.Result});
        EXPECT_EQ(Read(u"backup/chair.iff"_s), row.OldBackup);
        const bool packed = row.Result.State == Packed;
        EXPECT_EQ(QFile::exists(ObjectPath(u"chair.iff"_s)), !packed);
        // The entry keeps its name whatever the backup copy is called.
        EXPECT_EQ(FarBytes(), packed ? BuildFarArchive({{"chair.iff", "new!"}}) : QByteArray());
        if (packed) {
            EXPECT_EQ(Read(u"backup/"_s + row.Result.Backup), "new!");
        }
        if (row.Reply) {
            ASSERT_EQ(Asked().FileExistsQuestions().size(), 1);
            EXPECT_EQ(Asked().FileExistsQuestions()[0].ExistingPath, Backup(u"chair.iff"_s));
            EXPECT_EQ(Asked().FileExistsQuestions()[0].Message, QString());
        }
    }
}

// Nothing is moved or recorded when the archive cannot be had or written, and an old
// archive stays as it was.
TEST_F(FarPackingTest, AnArchiveThatCannotBeWrittenMovesAndRecordsNothing) {
    const QByteArray notFar = "FAR!byAZ\x02\0\0\0\x10\0\0\0"_ba;
    const QByteArray oldArchive = BuildFarArchive({{"keep.iff", "k"}});
    struct Row {
        QByteArray Archive; // none when empty
        QString BackupFolder;
        qint64 FileSizeLimit;
        QString MessageKey;
    };
    const std::vector<Row> rows = {
        {notFar, u"backup/"_s, 0, u"InvalidFar"_s},
        {oldArchive, u"file/backup/"_s, 0, u"FarBackupDirError"_s},
        {oldArchive, u"readonly/"_s, 0, u"FarBackupDirError"_s},
        {oldArchive, u"backup/"_s, 2048, u"FarFileCreateError"_s},
        {QByteArray(), u"backup/"_s, 2048, u"FarFileCreateError"_s},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        SCOPED_TRACE(int(&row - rows.data()));
        Object(u"chair.iff"_s, QByteArray(4096, 'c'));
        Write(u"file"_s, "not a folder");
        if (!row.Archive.isEmpty())
            Write(u"game/GameData/UserObjects/My.far"_s, row.Archive);
        FarPackRequest request{{Game(), Far(), Path(row.BackupFolder)},
                               {},
                               Path(u"files.iff"_s),
                               FileExistsAnswer::Ask,
                               FindFarCandidates(Game())};
        QDir().mkpath(Path(u"readonly"_s));
        QFile::setPermissions(Path(u"readonly"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        HandToOrdinaryUser(FFolder.Path());
        FarPackOutcome outcome;
        {
            const AsOrdinaryUser user;
            std::optional<FileSizeLimit> limit;
            if (row.FileSizeLimit > 0)
                limit.emplace(row.FileSizeLimit);
            outcome = Pack(request);
        }
        // A file whose archive write failed keeps the backup path it was to go to.
        const bool planned = row.FileSizeLimit > 0;
        ExpectResults(outcome, {{row.MessageKey == u"FarBackupDirError"_s ? Skipped : Failed,
                                 planned ? u"chair.iff"_s : QString()}});
        EXPECT_EQ(FarBytes(), row.Archive);
        EXPECT_EQ(Read(u"game/GameData/UserObjects/chair.iff"_s), QByteArray(4096, 'c'));
        EXPECT_FALSE(QFile::exists(Path(u"files.iff"_s)));
        ASSERT_EQ(Asked().Messages().size(), 1);
        EXPECT_EQ(Asked().Messages()[0].Kind, MessageKind::Error);
        EXPECT_TRUE(Asked().Messages()[0].Text.startsWith(
            FLanguage.GetString(row.MessageKey).section(u"{{"_s, 0, 0)));
    }
}

// Lamp.iff and lamp.iff (equal but for letter case), a file gone since it was listed and a
// file whose backup place is taken by a folder: each stays, the others are packed.
TEST_F(FarPackingTest, EachFileThatCannotGoStaysWhereItWasAndTheOthersGoOn) {
    Object(u"Lamp.iff"_s, "upper");
    Object(u"lamp.iff"_s, "lower");
    const QString gone = Object(u"gone.iff"_s, "gone");
    Object(u"desk.iff"_s, "desk");
    Object(u"zed.iff"_s, "zed");
    Write(u"backup/desk.iff/inside"_s, "a folder");
    const std::vector<FarCandidate> candidates = FindFarCandidates(Game());
    QFile::remove(gone);
    Asked().ExpectFileExists({FileExistsAnswer::Overwrite, {}}); // desk.iff's backup
    Asked().ExpectFileExists({FileExistsAnswer::Skip, {}});      // lamp.iff after Lamp.iff

    ExpectResults(Pack({{Game(), Far(), Backup()},
                        {},
                        Path(u"files.iff"_s),
                        FileExistsAnswer::Ask,
                        candidates}),
                  {{Failed, u"desk.iff"_s},
                   {Failed, {}},
                   {Packed, u"Lamp.iff"_s},
                   {Skipped, {}},
                   {Packed, u"zed.iff"_s}});

    EXPECT_EQ(FarBytes(), BuildFarArchive({{"Lamp.iff", "upper"}, {"zed.iff", "zed"}}));
    EXPECT_EQ(Read(u"game/GameData/UserObjects/desk.iff"_s), "desk");
    EXPECT_EQ(Read(u"game/GameData/UserObjects/lamp.iff"_s), "lower");
    EXPECT_EQ(Read(u"backup/Lamp.iff"_s), "upper");
    EXPECT_EQ(Asked().FileExistsQuestions()[1].ExistingSize, 5);
    EXPECT_EQ(Records(ContentKind::FarPackedFiles).size(), 2u);
    const QStringList texts = Asked().MessageTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0],
              u"Error adding file \""_s + ObjectPath(u"gone.iff"_s) + u"\" to FAR file."_s);
    EXPECT_TRUE(texts[1].endsWith(u"\r\n"_s + ObjectPath(u"desk.iff"_s))) << texts[1].toStdString();
    EXPECT_EQ(texts[2], u"2 Files packed into FAR file "_s + Far() + u"."_s);
}

// The entry of a file that is gone by the time it is packed is not replaced.
TEST_F(FarPackingTest, AnEntryIsReplacedOnlyByAFileThatGotIntoTheArchive) {
    Write(u"game/GameData/UserObjects/My.far"_s, BuildFarArchive({{"gone.iff", "old"}}));
    const QString gone = Object(u"gone.iff"_s, "new");
    Object(u"zed.iff"_s, "zed");
    const std::vector<FarCandidate> candidates = FindFarCandidates(Game());
    QFile::remove(gone);

    ExpectResults(Pack({{Game(), Far(), Backup()},
                        {},
                        Path(u"files.iff"_s),
                        FileExistsAnswer::OverwriteAll,
                        candidates}),
                  {{Failed, {}}, {Packed, u"zed.iff"_s}});
    EXPECT_EQ(FarBytes(), BuildFarArchive({{"gone.iff", "old"}, {"zed.iff", "zed"}}));
}
