#include "farpack/FarPacking.h"

#include "common/CaselessFolderCache.h"
#include "common/DayCountDate.h"
#include "formats/InstalledFilesDb.h"
#include "support/EnglishLanguage.h"
#include "support/FarFixtures.h"
#include "support/FileFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
using enum FarPackState;
using A = FileExistsAnswer;

struct Expected {
    FarPackState State;
    QString Backup; // below the backup folder; "" when none
};

const QString Objects = u"game/GameData/UserObjects/"_s;
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
    QString Far() const { return Path(Objects + u"My.far"_s); }
    QByteArray FarBytes() const { return Read(Objects + u"My.far"_s); }
    QString Backup(const QString& name = QString()) const { return Path(u"backup/"_s + name); }
    ScriptedInteraction& Asked() { return *FInteraction; }
    // Each file below the backup folder as name=bytes, sorted; hidden ones too.
    QStringList BackupContents() const {
        QStringList files;
        QDirIterator found(Backup(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (found.hasNext()) {
            const QString name = QDir(Backup()).relativeFilePath(found.next());
            files.append(name + u'=' + QString::fromUtf8(Read(u"backup/"_s + name)));
        }
        files.sort();
        return files;
    }

    // Every object file of the game as it is now, into My.far, backed up to backup/.
    FarPackRequest Request(A answer = A::Ask) const {
        const QString game = Path(u"game/"_s);
        return {{game, Far(), Backup()},
                u"mine"_s,
                Path(u"files.iff"_s),
                answer,
                FindFarCandidates(game)};
    }
    FarPackOutcome Pack(const FarPackRequest& request) {
        return PackObjectsIntoFar(request, FLanguage, *FInteraction);
    }

    // Packs as an ordinary user, to whom read-only folders mean something, with files
    // limited to fileSizeLimit bytes when it is above 0.
    FarPackOutcome PackAsOrdinaryUser(const FarPackRequest& request, qint64 fileSizeLimit = 0) {
        HandToOrdinaryUser(FFolder.Path());
        const AsOrdinaryUser user;
        std::optional<FileSizeLimit> limit;
        if (fileSizeLimit > 0)
            limit.emplace(fileSizeLimit);
        return Pack(request);
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

    EnglishLanguage FLanguage;
    QString FRoot;
    std::unique_ptr<ScriptedInteraction> FInteraction = std::make_unique<ScriptedInteraction>();
};

TEST_F(FarPackingTest, BackupNamesAreFoundInAnyCaseTheExactSpellingFirst) {
    FFolder.Write(u"backup/SETS/Lamp.IFF"_s, "");
    FFolder.Write(u"backup/Chair.iff"_s, "");
    FFolder.Write(u"backup/chair.iff"_s, "");
    CaselessFolderCache backup(FFolder.Path(u"BACKUP"_s));
    const QString root = FFolder.Path(u"backup/"_s);
    EXPECT_EQ(backup.Resolve(u"sets\\lamp.iff"_s), root + u"SETS/Lamp.IFF"_s);
    EXPECT_EQ(backup.Resolve(u"chair.iff"_s), root + u"chair.iff"_s);
    EXPECT_EQ(backup.Resolve(u"new/Sets/x.iff"_s), root + u"new/Sets/x.iff"_s);
}

TEST_F(FarPackingTest, PacksIntoANewArchiveMovesToTheBackupAndRecordsWhatWasPacked) {
    const QString chair = Write(Objects + u"chair.iff"_s, "chair");
    const QString lamp = Write(Objects + u"Sets/lamp.iff"_s, "lamp!");
    Write(u"files.iff"_s, BuildFilesDb({{100, {{chair, u"45000.25"_s, u"old\\comment"_s}}}}));
    const double before = ToDayCount(QDateTime::currentDateTime());

    ExpectResults(Pack(Request()), {{Packed, u"chair.iff"_s}, {Packed, u"Sets/lamp.iff"_s}});
    const double after = ToDayCount(QDateTime::currentDateTime());

    EXPECT_EQ(FarBytes(), BuildFarArchive({{"chair.iff", "chair"}, {"Sets\\lamp.iff", "lamp!"}}));
    EXPECT_EQ(BackupContents(), (QStringList{u"Sets/lamp.iff=lamp!"_s, u"chair.iff=chair"_s}));
    EXPECT_FALSE(QFile::exists(chair) || QFile::exists(lamp));

    EXPECT_TRUE(Records(ContentKind::Objects).empty());
    const std::vector<InstalledFileRecord> archives = Records(ContentKind::FarFiles);
    ASSERT_EQ(archives.size(), 1u);
    EXPECT_EQ(archives[0].FileName, Far());
    EXPECT_EQ(archives[0].Comment, u"mine"_s);
    EXPECT_GE(archives[0].InstalledAt, before);
    EXPECT_LE(archives[0].InstalledAt, after);
    // lamp.iff had no record: it counts as installed when it was packed.
    const std::vector<InstalledFileRecord> packed = {
        {Far() + u"\\chair.iff"_s, u"old\\comment"_s, 45000.25},
        {Far() + u"\\Sets\\lamp.iff"_s, QString(), archives[0].InstalledAt}};
    EXPECT_EQ(Records(ContentKind::FarPackedFiles), packed);
}

// Each row starts from a new chair.iff ("new") and either the archive holding chair.iff
// ("old") and keep.iff, or backup/chair.iff ("old"); a renamed file is called chair2.iff.
TEST_F(FarPackingTest, ConflictsFollowTheRememberedOrTheGivenAnswer) {
    struct Row {
        bool InArchive; // else in the backup folder
        A Remembered;
        std::optional<A> Reply; // to the one question asked
        FarPackState State;
        std::vector<FarFixtureEntry> Archive;
        QStringList Backups; // name=bytes
        A RememberedAfter;
    };
    const std::vector<FarFixtureEntry> untouched = {{"chair.iff", "old"}, {"keep.iff", "k"}};
    const std::vector<FarFixtureEntry> replaced = {{"keep.iff", "k"}, {"chair.iff", "new"}};
    const std::vector<FarFixtureEntry> renamed = {
        {"chair.iff", "old"}, {"keep.iff", "k"}, {"chair2.iff", "new"}};
    const std::vector<FarFixtureEntry> onlyNew = {{"chair.iff", "new"}};
    const QStringList movedIn = {u"chair.iff=new"_s};
    const QStringList besideOld = {u"chair.iff=old"_s, u"chair2.iff=new"_s};
    const std::vector<Row> rows = {
        {true, A::OverwriteAll, {}, Packed, replaced, movedIn, A::OverwriteAll},
        {true, A::SkipAll, {}, Skipped, untouched, {}, A::SkipAll},
        {true, A::Ask, A::Overwrite, Packed, replaced, movedIn, A::Ask},
        {true, A::Ask, A::OverwriteAll, Packed, replaced, movedIn, A::OverwriteAll},
        {true, A::Ask, A::Skip, Skipped, untouched, {}, A::Ask},
        {true, A::Ask, A::Rename, Packed, renamed, {u"chair2.iff=new"_s}, A::Ask},
        {false, A::Ask, A::Skip, Skipped, {}, {u"chair.iff=old"_s}, A::Ask},
        {false, A::OverwriteAll, {}, Packed, onlyNew, movedIn, A::OverwriteAll},
        // The entry keeps its name whatever the backup copy is called.
        {false, A::Ask, A::Rename, Packed, onlyNew, besideOld, A::Ask},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        SCOPED_TRACE(int(&row - rows.data()));
        Write(Objects + u"chair.iff"_s, "new");
        if (row.InArchive)
            Write(Objects + u"My.far"_s, BuildFarArchive(untouched));
        else
            Write(u"backup/chair.iff"_s, "old");
        if (row.Reply)
            Asked().ExpectFileExists({*row.Reply, u"chair2.iff"_s});

        const FarPackOutcome outcome = Pack(Request(row.Remembered));
        ASSERT_EQ(outcome.Results.size(), 1u);
        EXPECT_EQ(outcome.Results[0].State, row.State);
        EXPECT_EQ(ReadFixtureFile(outcome.Results[0].BackupPath),
                  row.State == Packed ? "new"_ba : QByteArray());
        EXPECT_EQ(outcome.RememberedAnswer, row.RememberedAfter);
        EXPECT_EQ(FarBytes(), row.Archive.empty() ? QByteArray() : BuildFarArchive(row.Archive));
        EXPECT_EQ(BackupContents(), row.Backups);
        EXPECT_EQ(QFile::exists(Path(Objects + u"chair.iff"_s)), row.State != Packed);
        ASSERT_EQ(Asked().FileExistsQuestions().size(), row.Reply ? 1 : 0);
        if (!row.Reply)
            continue;
        const FileExistsQuestion& asked = Asked().FileExistsQuestions()[0];
        EXPECT_EQ(asked.NewPath, Path(Objects + u"chair.iff"_s));
        EXPECT_EQ(asked.ExistingPath, row.InArchive ? Far() : Backup(u"chair.iff"_s));
        EXPECT_EQ(asked.Message, row.InArchive ? u"A file with the name chair.iff has already "
                                                 u"been found in the FAR File.\r\nWhat do you "
                                                 u"want to do?"_s
                                               : QString());
    }
}

// Nothing is moved or recorded when the archive cannot be had or its backup folder made, and
// an old archive stays as it was (an archive that cannot be written: the table below).
TEST_F(FarPackingTest, AnArchiveThatCannotBeWrittenMovesAndRecordsNothing) {
    const QByteArray notFar = "FAR!byAZ\x02\0\0\0\x10\0\0\0"_ba;
    const QByteArray oldArchive = BuildFarArchive({{"keep.iff", "k"}});
    struct Row {
        QByteArray Archive; // none when empty
        QString BackupFolder;
        QString MessageKey;
    };
    const std::vector<Row> rows = {
        {notFar, u"backup/"_s, u"InvalidFar"_s},
        {oldArchive, u"file/backup/"_s, u"FarBackupDirError"_s},
        {oldArchive, u"readonly/"_s, u"FarBackupDirError"_s},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        SCOPED_TRACE(int(&row - rows.data()));
        Write(Objects + u"chair.iff"_s, QByteArray(4096, 'c'));
        Write(u"file"_s, "not a folder");
        if (!row.Archive.isEmpty())
            Write(Objects + u"My.far"_s, row.Archive);
        FarPackRequest request = Request();
        request.Target.BackupFolder = Path(row.BackupFolder);
        request.Comment.clear();
        QDir().mkpath(Path(u"readonly"_s));
        QFile::setPermissions(Path(u"readonly"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FarPackOutcome outcome = PackAsOrdinaryUser(request);
        ExpectResults(outcome,
                      {{row.MessageKey == u"FarBackupDirError"_s ? Skipped : Failed, QString()}});
        EXPECT_EQ(FarBytes(), row.Archive);
        EXPECT_EQ(Read(Objects + u"chair.iff"_s), QByteArray(4096, 'c'));
        EXPECT_EQ(BackupContents(), QStringList());
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
    Write(Objects + u"Lamp.iff"_s, "upper");
    Write(Objects + u"lamp.iff"_s, "lower");
    const QString gone = Write(Objects + u"gone.iff"_s, "gone");
    Write(Objects + u"desk.iff"_s, "desk");
    Write(Objects + u"zed.iff"_s, "zed");
    Write(u"backup/desk.iff/inside"_s, "a folder");
    const FarPackRequest request = Request();
    QFile::remove(gone);
    Asked().ExpectFileExists({A::Overwrite, {}}); // desk.iff's backup
    Asked().ExpectFileExists({A::Skip, {}});      // lamp.iff after Lamp.iff

    ExpectResults(Pack(request), {{Failed, u"desk.iff"_s},
                                  {Failed, {}},
                                  {Packed, u"Lamp.iff"_s},
                                  {Skipped, {}},
                                  {Packed, u"zed.iff"_s}});

    EXPECT_EQ(FarBytes(), BuildFarArchive({{"Lamp.iff", "upper"}, {"zed.iff", "zed"}}));
    EXPECT_EQ(Read(Objects + u"desk.iff"_s), "desk");
    EXPECT_EQ(Read(Objects + u"lamp.iff"_s), "lower");
    EXPECT_EQ(BackupContents(),
              (QStringList{u"Lamp.iff=upper"_s, u"desk.iff/inside=a folder"_s, u"zed.iff=zed"_s}));
    EXPECT_EQ(Asked().FileExistsQuestions()[1].ExistingSize, 5);
    EXPECT_EQ(Records(ContentKind::FarPackedFiles).size(), 2u);
    const QStringList texts = Asked().MessageTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0],
              u"Error adding file \""_s + Path(Objects + u"gone.iff"_s) + u"\" to FAR file."_s);
    EXPECT_TRUE(texts[1].endsWith(u"\r\n"_s + Path(Objects + u"desk.iff"_s)))
        << texts[1].toStdString();
    EXPECT_EQ(texts[2], u"2 files packed into FAR file "_s + Far() + u"."_s);
}

// The entry of a file that is gone by the time it is packed is not replaced.
TEST_F(FarPackingTest, AnEntryIsReplacedOnlyByAFileThatGotIntoTheArchive) {
    Write(Objects + u"My.far"_s, BuildFarArchive({{"gone.iff", "old"}}));
    const QString gone = Write(Objects + u"gone.iff"_s, "new");
    Write(Objects + u"zed.iff"_s, "zed");
    const FarPackRequest request = Request(A::OverwriteAll);
    QFile::remove(gone);

    ExpectResults(Pack(request), {{Failed, {}}, {Packed, u"zed.iff"_s}});
    EXPECT_EQ(FarBytes(), BuildFarArchive({{"gone.iff", "old"}, {"zed.iff", "zed"}}));
}

// An original that cannot leave its folder, a database or an archive that cannot be
// written: the packing stops there and the archive, its records and the backup folder keep
// every old byte, with or without an older packing of the same file before it.
TEST_F(FarPackingTest, AStepThatFailsLeavesEveryEntryRecordAndBackupAsItWas) {
    const QByteArray fresh(4096, 'n');
    const QByteArray oldArchive = BuildFarArchive({{"Locked\\lamp.iff", "old"}, {"keep.iff", "k"}});
    struct Row {
        bool PackedBefore; // the archive, its records and the backup hold lamp.iff ("old")
        QString LockedFolder;
        QString DbFile;
        qint64 FileSizeLimit;
        MessageKind Kind;
        QString MessageKey;
    };
    const QString locked = Objects + u"Locked"_s;
    const std::vector<Row> rows = {
        {true, locked, u"files.iff"_s, 0, MessageKind::Warning, u"FarMoveFailed"_s},
        {false, locked, u"files.iff"_s, 0, MessageKind::Warning, u"FarMoveFailed"_s},
        // No journal can be written beside the database: nothing begins.
        {true, u"db"_s, u"db/files.iff"_s, 0, MessageKind::Error, u"OperationJournalError"_s},
        {false, u"db"_s, u"db/files.iff"_s, 0, MessageKind::Error, u"OperationJournalError"_s},
        {true, {}, u"files.iff"_s, 2048, MessageKind::Error, u"FarFileCreateError"_s},
        {false, {}, u"files.iff"_s, 2048, MessageKind::Error, u"FarFileCreateError"_s},
    };
    for (const Row& row : rows) {
        NextRow(int(&row - rows.data()));
        SCOPED_TRACE(int(&row - rows.data()));
        Write(Objects + u"Locked/lamp.iff"_s, fresh);
        Write(u"backup/Locked/lamp.iff"_s, "old");
        QDir().mkpath(Path(u"db"_s));
        if (row.PackedBefore) {
            Write(Objects + u"My.far"_s, oldArchive);
            Write(row.DbFile,
                  BuildFilesDb(
                      {{105, {{Far(), u"45000.5"_s, u"mine"_s}}},
                       {106, {{Far() + u"\\Locked\\lamp.iff"_s, u"45000.5"_s, u"lamp"_s}}}}));
        }
        const QByteArray dbBefore = Read(row.DbFile);
        FarPackRequest request = Request(A::OverwriteAll);
        request.DatabaseFile = Path(row.DbFile);
        if (!row.LockedFolder.isEmpty())
            QFile::setPermissions(Path(row.LockedFolder),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const FarPackOutcome outcome = PackAsOrdinaryUser(request, row.FileSizeLimit);
        ExpectResults(outcome, {{Failed, u"Locked/lamp.iff"_s}});
        EXPECT_EQ(FarBytes(), row.PackedBefore ? oldArchive : QByteArray());
        EXPECT_EQ(QFile::exists(Far()), row.PackedBefore);
        EXPECT_EQ(Read(Objects + u"Locked/lamp.iff"_s), fresh);
        EXPECT_EQ(BackupContents(), QStringList{u"Locked/lamp.iff=old"_s});
        EXPECT_EQ(Read(row.DbFile), dbBefore);
        // Nothing set aside is left behind beside the database.
        EXPECT_EQ(QDir(Path(QFileInfo(row.DbFile).path())).entryList(QDir::Files | QDir::Hidden),
                  row.PackedBefore ? QStringList{QFileInfo(row.DbFile).fileName()} : QStringList());
        // A file whose archive write failed keeps the backup path it was to go to; a file
        // left where it was is no failure of the packing, which goes on to its end.
        const QStringList texts = Asked().MessageTexts();
        ASSERT_EQ(texts.size(), row.Kind == MessageKind::Warning ? 2 : 1);
        EXPECT_EQ(Asked().Messages()[0].Kind, row.Kind);
        EXPECT_TRUE(texts[0].startsWith(FLanguage.GetString(row.MessageKey).section(u"{{"_s, 0, 0)))
            << texts[0].toStdString();
        if (row.Kind == MessageKind::Warning) {
            EXPECT_EQ(texts[1], u"0 files packed into FAR file "_s + Far() + u"."_s);
        }
    }
}

// A file that can go is packed beside one that cannot, and only its record is added.
TEST_F(FarPackingTest, AFileThatCannotLeaveItsFolderStaysOutOfTheArchiveAndTheRecords) {
    const QString chair = Write(Objects + u"chair.iff"_s, "chair");
    Write(Objects + u"Locked/lamp.iff"_s, "new");
    Write(u"backup/Locked/lamp.iff"_s, "old");
    Write(Objects + u"My.far"_s, BuildFarArchive({{"Locked\\lamp.iff", "old"}}));
    Write(u"files.iff"_s,
          BuildFilesDb({{106, {{Far() + u"\\Locked\\lamp.iff"_s, u"45000.5"_s, u"lamp"_s}}}}));
    QFile::setPermissions(Path(Objects + u"Locked"_s),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const FarPackOutcome outcome = PackAsOrdinaryUser(Request(A::OverwriteAll));
    ExpectResults(outcome, {{Packed, u"chair.iff"_s}, {Failed, u"Locked/lamp.iff"_s}});
    EXPECT_EQ(FarBytes(), BuildFarArchive({{"Locked\\lamp.iff", "old"}, {"chair.iff", "chair"}}));
    EXPECT_EQ(BackupContents(), (QStringList{u"Locked/lamp.iff=old"_s, u"chair.iff=chair"_s}));
    EXPECT_FALSE(QFile::exists(chair));
    EXPECT_EQ(Read(Objects + u"Locked/lamp.iff"_s), "new");
    const std::vector<InstalledFileRecord> packed = {
        {Far() + u"\\Locked\\lamp.iff"_s, u"lamp"_s, 45000.5},
        {Far() + u"\\chair.iff"_s, QString(), Records(ContentKind::FarFiles).at(0).InstalledAt}};
    EXPECT_EQ(Records(ContentKind::FarPackedFiles), packed);
}

// A backup folder that is one of the packed folders: a file is never moved over one that
// is itself selected, whatever the answer to the file-exists question.
TEST_F(FarPackingTest, ABackupPathWhereASelectedFileLiesIsNeverWrittenOver) {
    Write(u"game/Downloads/chair.iff"_s, "downloaded");
    Write(Objects + u"chair.iff"_s, "own");
    Write(Objects + u"desk.iff"_s, "desk");
    FarPackRequest request = Request(A::OverwriteAll);
    request.Target.BackupFolder = Path(u"game/Downloads/"_s);

    const FarPackOutcome outcome = Pack(request);

    ASSERT_EQ(outcome.Results.size(), 3u);
    EXPECT_EQ(outcome.Results[0].State, Skipped);
    EXPECT_EQ(outcome.Results[1].State, Skipped);
    EXPECT_EQ(outcome.Results[2].State, Packed);
    EXPECT_EQ(Read(u"game/Downloads/chair.iff"_s), "downloaded");
    EXPECT_EQ(Read(Objects + u"chair.iff"_s), "own");
    EXPECT_EQ(Read(u"game/Downloads/desk.iff"_s), "desk");
    EXPECT_EQ(FarBytes(), BuildFarArchive({{"desk.iff", "desk"}}));
}

// Cancel pressed while planning, after the first of three files (5 + 30 / 3 percent), asks
// nothing more; pressed once the first file has moved (35 + 30 / 3 percent), it puts that
// file back. Either way archive, backup folder and records stay as they were.
TEST_F(FarPackingTest, ACancelledPackingAsksNothingMoreAndPutsBackWhatItMoved) {
    for (const auto& [cancelAt, questions] : {std::pair(15, 1), std::pair(45, 3)}) {
        NextRow(cancelAt);
        SCOPED_TRACE(cancelAt);
        const QString chair = Write(Objects + u"chair.iff"_s, "chair");
        Write(Objects + u"lamp.iff"_s, "lamp");
        Write(Objects + u"sofa.iff"_s, "sofa");
        const QByteArray archive = BuildFarArchive(
            {{"chair.iff", "c"}, {"keep.iff", "k"}, {"lamp.iff", "l"}, {"sofa.iff", "s"}});
        Write(Objects + u"My.far"_s, archive);
        const QByteArray db = BuildFilesDb({{100, {{chair, u"45000.25"_s, u"c"_s}}}});
        Write(u"files.iff"_s, db);
        for (int i = 0; i < questions; ++i)
            Asked().ExpectFileExists({A::Overwrite, {}});
        Asked().CancelAtPercent(cancelAt);

        for (const FarPackResult& result : Pack(Request()).Results)
            EXPECT_EQ(result.State, Skipped);

        EXPECT_EQ(FarBytes(), archive);
        EXPECT_EQ(BackupContents(), QStringList());
        EXPECT_EQ(Read(Objects + u"chair.iff"_s), "chair");
        EXPECT_EQ(Read(Objects + u"lamp.iff"_s), "lamp");
        EXPECT_EQ(Read(Objects + u"sofa.iff"_s), "sofa");
        EXPECT_EQ(Read(u"files.iff"_s), db);
        EXPECT_EQ(Asked().MessageTexts(), QStringList());
        EXPECT_EQ(QDir(Path(u"operations"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                  QStringList());
    }
}
