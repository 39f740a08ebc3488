#include "formats/InstalledFilesDb.h"

#include "common/DayCountDate.h"
#include "formats/IffChunks.h"
#include "formats/IffStringList.h"
#include "support/FilesDbFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "TempFolderTest.h"

#include <QDir>
#include <QFile>

namespace {
using enum ContentKind;

InstalledFileRecord Record(const QString& fileName, const QString& comment = QString(),
                           double installedAt = 45000.5) {
    return {fileName, comment, installedAt};
}

QStringList Names(const InstalledFilesDb& db, ContentKind kind) {
    QStringList names;
    for (int i = 0; i < db.Count(kind); ++i)
        names.append(db.Get(kind, i).FileName);
    return names;
}

class InstalledFilesDbTest : public TempFolderTest {
protected:
    // An existing file in the test folder.
    QString Existing(const QString& name) { return Write(name, "content"); }

    QString WriteDb(const QMap<int, QList<FixtureRecord>>& kinds) {
        return Write(QStringLiteral("files.iff"), BuildFilesDb(kinds));
    }
};
} // namespace

TEST(InstalledFilesDbRecords, AddReplacesTheSameNameInAnyCaseAndPutsItLast) {
    InstalledFilesDb db;
    db.Add(Objects, Record(QStringLiteral("C:/Game/Chair.iff"), QStringLiteral("old")));
    db.Add(Objects, Record(QStringLiteral("C:/Game/Table.iff")));
    EXPECT_EQ(db.IndexOf(Objects, QStringLiteral("c:/game/CHAIR.IFF")), 0);
    db.Add(Objects, Record(QStringLiteral("c:/game/chair.IFF"), QStringLiteral("new")));
    EXPECT_EQ(db.Count(Objects), 2);
    EXPECT_EQ(Names(db, Objects), QStringList({QStringLiteral("C:/Game/Table.iff"),
                                               QStringLiteral("c:/game/chair.IFF")}));
    EXPECT_EQ(db.Get(Objects, 1).Comment, QStringLiteral("new"));
    EXPECT_EQ(db.IndexOf(Objects, QStringLiteral("C:/Game/Table.iff")), 0);
    EXPECT_EQ(db.IndexOf(Walls, QStringLiteral("C:/Game/Table.iff")), -1) << "kinds are separate";
}

TEST(InstalledFilesDbRecords, DeleteKeepsTheIndexInStep) {
    InstalledFilesDb db;
    for (const char* name : {"a", "b", "c", "d"})
        db.Add(Heads, Record(QString::fromLatin1(name)));
    db.Delete(Heads, 1);
    db.Delete(Heads, 9);
    db.Delete(Heads, -1);
    EXPECT_EQ(Names(db, Heads),
              QStringList({QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(db.IndexOf(Heads, QStringLiteral("D")), 2);
    EXPECT_EQ(db.IndexOf(Heads, QStringLiteral("b")), -1);
    db.Add(Heads, Record(QStringLiteral("b")));
    EXPECT_EQ(db.IndexOf(Heads, QStringLiteral("b")), 3);
    EXPECT_EQ(db.Get(Heads, 7), InstalledFileRecord());
}

TEST(InstalledFilesDbRecords, UnknownKindsHoldNothing) {
    InstalledFilesDb db;
    const auto kind107 = static_cast<ContentKind>(107);
    db.Add(kind107, Record(QStringLiteral("x")));
    EXPECT_EQ(db.Count(kind107), -1);
    EXPECT_EQ(db.IndexOf(kind107, QStringLiteral("x")), -1);
    EXPECT_EQ(db.Get(kind107, 0), InstalledFileRecord());
    db.Delete(kind107, 0);
    EXPECT_EQ(db.DbFileName(), QString());
    EXPECT_TRUE(
        db.ErrorMessage().startsWith(QStringLiteral("Error writing installed files database!")));
}

TEST_F(InstalledFilesDbTest, LoadKeepsOnlyFilesThatAreStillThere) {
    const QString chair = Existing(QStringLiteral("Chair.iff"));
    const QString archive = Existing(QStringLiteral("Objects.far"));
    const QString packed = QDir::toNativeSeparators(archive) + QStringLiteral("\\Lamp.iff");
    const QString path =
        WriteDb({{100,
                  {{chair, QStringLiteral("45000.25"), QStringLiteral("\\a comment\\")},
                   {PathOf(QStringLiteral("Gone.iff")), QStringLiteral("45000"), QString()}}},
                 {106,
                  {{packed, QStringLiteral("45001,5"), QStringLiteral("packed")},
                   {PathOf(QStringLiteral("Gone.far")) + QStringLiteral("\\x.iff"),
                    QStringLiteral("1"), QString()}}}});
    InstalledFilesDb db(path);
    EXPECT_EQ(db.DbFileName(), path);
    EXPECT_EQ(Names(db, Objects), QStringList({chair}));
    EXPECT_EQ(db.Get(Objects, 0).Comment, QStringLiteral("\\a comment\\"));
    EXPECT_EQ(db.Get(Objects, 0).InstalledAt, 45000.25);
    EXPECT_EQ(Names(db, FarPackedFiles), QStringList({packed}));
    EXPECT_EQ(db.Get(FarPackedFiles, 0).InstalledAt, 45001.5) << "a comma as decimal point";

    ScriptedInteraction interaction;
    ASSERT_TRUE(db.Save(interaction));
    QFile::remove(archive);
    db.Load(path);
    EXPECT_EQ(db.Count(Objects), 1);
    EXPECT_EQ(db.Count(FarPackedFiles), 0) << "the archive is gone";
    EXPECT_EQ(ParseStringList(FindIffChunk(path, u"STR#", 100)).size(), 1)
        << "the stale record left the file at the save";
}

TEST_F(InstalledFilesDbTest, DamagedEntriesDoNotStopTheLoad) {
    const QString chair = Existing(QStringLiteral("Chair.iff"));
    const QString table = Existing(QStringLiteral("Table.iff"));
    const QString path = WriteDb(
        {{101, {{chair, QStringLiteral("not a date"), QStringLiteral("kept")}}},
         {102,
          {{table, QStringLiteral("1"), QString()}, {table, QStringLiteral("2"), QString()}}}});
    const InstalledFilesDb db(path);
    EXPECT_EQ(db.Get(Walls, 0).InstalledAt, 0) << "an unreadable time is kept as day 0";
    EXPECT_EQ(db.Get(Walls, 0).Comment, QStringLiteral("kept"));
    EXPECT_EQ(db.Count(Floors), 1) << "a name listed twice is one record";
    EXPECT_EQ(db.Get(Floors, 0).InstalledAt, 2);

    EXPECT_EQ(InstalledFilesDb(PathOf(QStringLiteral("missing.iff"))).Count(Walls), 0);
    EXPECT_EQ(InstalledFilesDb(Write(QStringLiteral("junk.iff"), "junk")).Count(Walls), 0);
}

TEST_F(InstalledFilesDbTest, SaveWritesTwoListsPerNonEmptyKindInKindOrder) {
    InstalledFilesDb db;
    db.Load(PathOf(QStringLiteral("files.iff")));
    db.Add(Heads, Record(QStringLiteral("h.cmx"), QStringLiteral("head")));
    db.Add(Walls, Record(QStringLiteral("w.wll")));
    ScriptedInteraction interaction;
    ASSERT_TRUE(db.Save(interaction));

    const QString path = db.DbFileName();
    QStringList written;
    for (const IffChunkInfo& chunk : ListAllIffChunks(path))
        written.append(chunk.Type + QString::number(chunk.Id) + QLatin1Char(':') + chunk.Label);
    EXPECT_EQ(
        written,
        QStringList({QStringLiteral("STR#101:Walls"), QStringLiteral("STR#201:Walls (Comments)"),
                     QStringLiteral("STR#131:Heads"), QStringLiteral("STR#231:Heads (Comments)"),
                     QStringLiteral("rsmp0:")}));
    const IffChunkInfo heads = FindIffChunk(path, u"STR#", 131);
    EXPECT_EQ(heads.Flags, 0x10);
    EXPECT_TRUE(IsValueCommentList(heads.Data));
    EXPECT_EQ(ParseStringList(heads).value(0).Comment, FormatDayCount(45000.5));
    EXPECT_EQ(ParseStringList(FindIffChunk(path, u"STR#", 231)).value(0).Comment,
              QStringLiteral("head"));
}

TEST_F(InstalledFilesDbTest, AFailedSaveShowsTheMessageAndKeepsTheOldFile) {
    const QString path = Write(QStringLiteral("files.iff"), "old");
    InstalledFilesDb db(path);
    for (int i = 0; i <= MaxStringListEntries; ++i)
        db.Add(Objects, Record(QString::number(i)));
    ScriptedInteraction interaction;
    EXPECT_FALSE(db.Save(interaction)) << "more records than a list can count";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");

    InstalledFilesDb nowhere;
    nowhere.Load(PathOf(QStringLiteral("no/folder/files.iff")));
    nowhere.SetErrorMessage(QStringLiteral("Cannot write {{filename}}."));
    EXPECT_FALSE(nowhere.Save(interaction));
    ASSERT_EQ(interaction.Messages().size(), 2);
    EXPECT_EQ(interaction.Messages()[0].Kind, MessageKind::Error);
    EXPECT_TRUE(interaction.Messages()[0].Text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(interaction.Messages()[1].Text,
              QStringLiteral("Cannot write %1.")
                  .arg(QDir::toNativeSeparators(PathOf(QStringLiteral("no/folder/files.iff")))));
}
