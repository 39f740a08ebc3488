#include "removal/ContentDeletion.h"

#include "common/Interaction.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "journal/Operation.h"
#include "removal/DeleteOperation.h"
#include "support/EnglishLanguage.h"
#include "support/FarFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;
using K = ContentKind;

namespace {
// Calls back with each percent a deletion reports.
class PercentCallback : public ProgressHandle {
public:
    explicit PercentCallback(std::function<void(int)> callback) : FCallback(std::move(callback)) {}
    void SetMessage(const QString&) override {}
    void SetPercent(int percent) override { FCallback(percent); }
    void ShowBar(bool) override {}

private:
    std::function<void(int)> FCallback;
};

class ContentDeletionTest : public TempFolderTest {
protected:
    ContentDeletionTest() { HandToOrdinaryUser(FData.Path()); }

    QString Sep(const QString& archive, const QString& item) const {
        return archive + QDir::separator() + item;
    }

    QStringList Records(ContentKind kind) const {
        QStringList names;
        for (int i = 0; i < FDb.Count(kind); ++i)
            names.append(FDb.Get(kind, i).FileName);
        return names;
    }

    // The whole file or archive at path, or the named entries of the archive.
    static DeleteTarget Target(ContentKind kind, const QString& path, QStringList items = {}) {
        return {.Kind = kind, .Path = path, .Items = std::move(items), .NativePath = {}};
    }

    void AddRecords(ContentKind kind, const QStringList& names) {
        for (const QString& name : names)
            FDb.Add(kind, {.FileName = name, .Comment = {}, .InstalledAt = 1});
    }

    // Through an operation whose journal lies in a data folder of the test's own.
    std::vector<DeleteResult> Delete(const std::vector<DeleteTarget>& targets) {
        TFarFile farFile(FInteraction);
        Operation operation({.DataFolder = FData.Path(),
                             .Kind = OperationKind::Delete,
                             .Comment = {},
                             .FilesItMayMove = {},
                             .FilesItMayRewrite = {},
                             .LockWaitMs = 0},
                            FLanguage);
        std::vector<DeleteResult> results =
            DeleteContent(targets, FDb, farFile, operation, FLanguage);
        EXPECT_TRUE(operation.Commit());
        return results;
    }

    ScriptedInteraction FInteraction;
    EnglishLanguage FLanguage;
    InstalledFilesDb FDb;
    TempFolder FData;
};
} // namespace

TEST_F(ContentDeletionTest, DeletesFilesWholeArchivesAndEntriesWithTheirRecords) {
    const QString chair = FFolder.Write(u"Game/GameData/Objects/chair.iff"_s, "x");
    const QString set = FFolder.Write(u"Game/Downloads/set.far"_s,
                                      BuildFarArchive({{.Name = "a.iff", .Data = "A"},
                                                       {.Name = "b.iff", .Data = "B"},
                                                       {.Name = "c.iff", .Data = "C"}}));
    const QString whole = FFolder.Write(u"Game/Downloads/whole.far"_s,
                                        BuildFarArchive({{.Name = "w.iff", .Data = "W"}}));
    const QString wholeTwin = FFolder.Write(u"Game/Downloads/whole.far2"_s, "not ours");
    AddRecords(K::Objects, {chair});
    AddRecords(K::FarFiles, {set, whole});
    AddRecords(K::FarPackedFiles,
               {set + u"\\a.iff"_s, set + u"/B.IFF"_s, set + u"\\c.iff"_s, whole + u"\\w.iff"_s,
                whole + u"/x.iff"_s, wholeTwin + u"\\w.iff"_s,
                u"/elsewhere"_s + whole + u"\\w.iff"_s});

    const std::vector<DeleteResult> results =
        Delete({Target(K::Objects, chair),
                Target(K::FarFiles, set, {u"a.iff"_s, u"b.iff"_s, u"gone.iff"_s}),
                Target(K::FarFiles, whole)});

    const QString notIn =
        u"Item \"gone.iff\" is not in \""_s + QDir::toNativeSeparators(set) + u"\"."_s;
    EXPECT_EQ(results, (std::vector<DeleteResult>{
                           {K::Objects, chair, true, {}},
                           {K::FarPackedFiles, Sep(set, u"gone.iff"_s), false, notIn},
                           {K::FarPackedFiles, Sep(set, u"a.iff"_s), true, {}},
                           {K::FarPackedFiles, Sep(set, u"b.iff"_s), true, {}},
                           {K::FarFiles, whole, true, {}},
                       }));
    EXPECT_EQ(FFolder.Read(u"Game/Downloads/set.far"_s),
              BuildFarArchive({{.Name = "c.iff", .Data = "C"}}));
    EXPECT_FALSE(QFile::exists(chair) || QFile::exists(whole));
    EXPECT_TRUE(QFile::exists(wholeTwin));
    EXPECT_EQ(Records(K::Objects), QStringList());
    EXPECT_EQ(Records(K::FarFiles), QStringList{set});
    EXPECT_EQ(Records(K::FarPackedFiles), (QStringList{set + u"\\c.iff"_s, wholeTwin + u"\\w.iff"_s,
                                                       u"/elsewhere"_s + whole + u"\\w.iff"_s}));
}

TEST_F(ContentDeletionTest, WhatCannotBeDeletedKeepsItsBytesAndRecordsAndIsNamed) {
    const QByteArray archiveBytes =
        BuildFarArchive({{.Name = "a.iff", .Data = "A"}, {.Name = "b.iff", .Data = "B"}});
    const QString set = FFolder.Write(u"Game/Locked/set.far"_s, archiveBytes);
    const QString chair = FFolder.Write(u"Game/Locked/chair.iff"_s, "x");
    AddRecords(K::Objects, {chair});
    AddRecords(K::FarPackedFiles, {set + u"\\a.iff"_s});
    HandToOrdinaryUser(FFolder.Path(u"Game"_s));
    QFile::setPermissions(FFolder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ExeGroup | QFile::ExeOther);
    QFile::setPermissions(FFolder.Path(u"Game/Locked"_s), QFile::ReadOwner | QFile::ExeOwner);
    std::vector<DeleteResult> results;
    {
        AsOrdinaryUser user;
        results = Delete({Target(K::Objects, chair), Target(K::FarFiles, set, {u"a.iff"_s})});
    }
    QFile::setPermissions(FFolder.Path(u"Game/Locked"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(DeletedCount(results), 0);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].Reason.isEmpty());
    EXPECT_EQ(results[1].Reason,
              u"Error creating FAR file \""_s + QDir::toNativeSeparators(set) + u"\""_s);
    EXPECT_EQ(FFolder.Read(u"Game/Locked/set.far"_s), archiveBytes);
    EXPECT_TRUE(QFile::exists(chair));
    EXPECT_EQ(Records(K::Objects), QStringList{chair});
    EXPECT_EQ(Records(K::FarPackedFiles), QStringList{set + u"\\a.iff"_s});
    EXPECT_EQ(DeleteFailuresText(FLanguage, results),
              u"These files could not be deleted:\r\n"_s + QDir::toNativeSeparators(chair) +
                  u"\n"_s + QDir::toNativeSeparators(Sep(set, u"a.iff"_s)));
}

TEST(DeletedCountTextTest, OneFileHasItsOwnTextOnlyWhenTheLanguageDefinesIt) {
    EnglishLanguage language;
    EXPECT_EQ(DeletedCountText(language, 1), u"1 files deleted."_s);
    language.LoadStrings({u"FilesDeleted=Gelöscht: {{NUMBER}} / {{number}}"_s});
    EXPECT_EQ(DeletedCountText(language, 1), u"Gelöscht: 1 / 1"_s);
    language.LoadStrings({u"SingleFileDeleted=Eine Datei gelöscht."_s});
    EXPECT_EQ(DeletedCountText(language, 1), u"Eine Datei gelöscht."_s);
    EXPECT_EQ(DeletedCountText(language, 2), u"Gelöscht: 2 / 2"_s);
}

// Cancel pressed after the first of three files (95 / 3 percent): the deletion stops there
// and takes back the file it deleted, and files.iff keeps its bytes.
TEST_F(ContentDeletionTest, ACancelledDeletionTakesBackWhatItDeleted) {
    const QStringList files{FFolder.Write(u"Game/a.iff"_s, "a"),
                            FFolder.Write(u"Game/b.iff"_s, "b"),
                            FFolder.Write(u"Game/c.iff"_s, "c")};
    InstalledFilesDb db;
    db.Load(FData.Path(u"files.iff"_s));
    for (const QString& file : files)
        db.Add(K::Objects, {.FileName = file, .Comment = {}, .InstalledAt = 1});
    ASSERT_TRUE(db.Save(FInteraction));
    const QByteArray records = FData.Read(u"files.iff"_s);
    FInteraction.CancelAtPercent(31);
    const std::unique_ptr<ProgressHandle> progress = FInteraction.BeginProgress({});
    TFarFile farFile(FInteraction);

    const DeletionOutcome outcome = DeleteAndSaveRecords(
        {Target(K::Objects, files[0]), Target(K::Objects, files[1]), Target(K::Objects, files[2])},
        db, farFile, FLanguage, FInteraction, progress.get());

    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_TRUE(outcome.Results.empty());
    EXPECT_EQ(FFolder.Contents().filter(u".iff"_s),
              QStringList({u"Game/a.iff"_s, u"Game/b.iff"_s, u"Game/c.iff"_s}));
    EXPECT_EQ(FData.Read(u"files.iff"_s), records);
    EXPECT_EQ(QDir(FData.Path(u"operations"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_TRUE(FInteraction.MessageTexts().isEmpty());
}

TEST_F(ContentDeletionTest, ADeletionWhoseCommitCannotBeWrittenIsUndoneAndSaysSo) {
    const QString chair = FFolder.Write(u"Game/GameData/Objects/chair.iff"_s, "x");
    InstalledFilesDb db;
    db.Load(FData.Path(u"files.iff"_s));
    db.Add(K::Objects, {.FileName = chair, .Comment = {}, .InstalledAt = 1});
    TFarFile farFile(FInteraction);
    // Once the file is gone, no file may grow past the journal's size and three bytes: the
    // empty database fits, the commit line does not.
    std::optional<FileSizeLimit> limit;
    PercentCallback fillDisk([&](int percent) {
        const QDir operations(FData.Path(u"operations"_s));
        const QStringList folders = operations.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (percent == 95 && folders.size() == 1)
            limit.emplace(QFileInfo(operations.filePath(folders[0] + u"/journal.txt"_s)).size() +
                          3);
    });
    const DeletionOutcome outcome = DeleteAndSaveRecords({Target(K::Objects, chair)}, db, farFile,
                                                         FLanguage, FInteraction, &fillDisk);
    limit.reset();

    EXPECT_FALSE(outcome.Recorded);
    ASSERT_EQ(outcome.Results.size(), 1);
    EXPECT_FALSE(outcome.Results[0].Deleted);
    EXPECT_EQ(FFolder.Read(u"Game/GameData/Objects/chair.iff"_s), "x");
    EXPECT_FALSE(QFile::exists(FData.Path(u"files.iff"_s)));
    ASSERT_EQ(FInteraction.MessageTexts().size(), 1);
    EXPECT_TRUE(FInteraction.MessageTexts()[0].startsWith(
        u"The Packwright could not write the record of this change in"_s));
}
