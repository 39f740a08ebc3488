#include "formats/InstalledFilesDb.h"

#include "formats/IffChunks.h"
#include "formats/IffStringList.h"
#include "support/FilesDbFixtures.h"
#include "support/IffFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

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

// Each record of the kind as "name|comment|time".
QStringList Lines(const InstalledFilesDb& db, ContentKind kind) {
    QStringList lines;
    for (int i = 0; i < db.Count(kind); ++i) {
        const InstalledFileRecord record = db.Get(kind, i);
        lines.append(record.FileName + u'|' + record.Comment + u'|' +
                     QString::number(record.InstalledAt, 'g', 10));
    }
    return lines;
}

class InstalledFilesDbTest : public TempFolderTest {
protected:
    // An existing file in the test folder.
    QString Existing(const QString& name) { return FFolder.Write(name, "content"); }

    QString WriteDb(const QMap<int, QList<FixtureRecord>>& kinds) {
        return FFolder.Write(u"files.iff"_s, BuildFilesDb(kinds));
    }
};
} // namespace

TEST(InstalledFilesDbRecords, AddReplacesTheSameNameInAnyCaseAndPutsItLast) {
    InstalledFilesDb db;
    db.Add(Objects, Record(u"C:/Game/Chair.iff"_s, u"old"_s));
    db.Add(Objects, Record(u"C:/Game/Table.iff"_s));
    EXPECT_EQ(db.IndexOf(Objects, u"c:/game/CHAIR.IFF"_s), 0);
    db.Add(Objects, Record(u"c:/game/chair.IFF"_s, u"new"_s));
    EXPECT_EQ(db.Count(Objects), 2);
    EXPECT_EQ(Names(db, Objects), QStringList({u"C:/Game/Table.iff"_s, u"c:/game/chair.IFF"_s}));
    EXPECT_EQ(db.Get(Objects, 1).Comment, u"new"_s);
    EXPECT_EQ(db.IndexOf(Objects, u"C:/Game/Table.iff"_s), 0);
    EXPECT_EQ(db.IndexOf(Walls, u"C:/Game/Table.iff"_s), -1) << "kinds are separate";
}

TEST(InstalledFilesDbRecords, DeleteKeepsTheIndexInStep) {
    InstalledFilesDb db;
    for (const char* name : {"a", "b", "c", "d"})
        db.Add(Heads, Record(QString::fromLatin1(name)));
    db.Delete(Heads, 1);
    db.Delete(Heads, 9);
    db.Delete(Heads, -1);
    EXPECT_EQ(Names(db, Heads), QStringList({u"a"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(db.IndexOf(Heads, u"D"_s), 2);
    EXPECT_EQ(db.IndexOf(Heads, u"b"_s), -1);
    db.Add(Heads, Record(u"b"_s));
    EXPECT_EQ(db.IndexOf(Heads, u"b"_s), 3);
    EXPECT_EQ(db.Get(Heads, 7), InstalledFileRecord());
}

TEST(InstalledFilesDbRecords, UnknownKindsHoldNothing) {
    InstalledFilesDb db;
    const auto kind107 = static_cast<ContentKind>(107);
    db.Add(kind107, Record(u"x"_s));
    EXPECT_EQ(db.Count(kind107), -1);
    EXPECT_EQ(db.IndexOf(kind107, u"x"_s), -1);
    EXPECT_EQ(db.Get(kind107, 0), InstalledFileRecord());
    db.Delete(kind107, 0);
    EXPECT_EQ(db.DbFileName(), QString());
    EXPECT_TRUE(db.ErrorMessage().startsWith(u"Error writing installed files database!"_s));
}

TEST_F(InstalledFilesDbTest, LoadKeepsOnlyFilesThatAreStillThere) {
    const QString chair = Existing(u"Chair.iff"_s);
    const QString archive = Existing(u"Objects.far"_s);
    const QString packed = QDir::toNativeSeparators(archive) + u"\\Lamp.iff"_s;
    const QString path =
        WriteDb({{100,
                  {{chair, u"45000.25"_s, u"\\a comment\\"_s},
                   {FFolder.Path(u"Gone.iff"_s), u"45000"_s, QString()}}},
                 {106,
                  {{packed, u"45001,5"_s, u"packed"_s},
                   {FFolder.Path(u"Gone.far"_s) + u"\\x.iff"_s, u"1"_s, QString()}}}});
    InstalledFilesDb db(path);
    EXPECT_EQ(db.DbFileName(), path);
    EXPECT_EQ(Lines(db, Objects), QStringList({chair + u"|\\a comment\\|45000.25"_s}));
    // A comma as decimal point.
    EXPECT_EQ(Lines(db, FarPackedFiles), QStringList({packed + u"|packed|45001.5"_s}));

    ScriptedInteraction interaction;
    ASSERT_TRUE(db.Save(interaction));
    QFile::remove(archive);
    db.Load(path);
    EXPECT_EQ(db.Count(Objects), 1);
    EXPECT_EQ(db.Count(FarPackedFiles), 0) << "the archive is gone";
    EXPECT_EQ(ParseStringList(FindIffChunk(path, u"STR#", 100)).size(), 1)
        << "the stale record left the file at the save";
}

// Records of several folders, mixed: each file is looked for in its own folder, also when
// the record before it named another one, and a folder that is a file holds nothing.
TEST_F(InstalledFilesDbTest, LoadLooksForEachFileInItsOwnFolder) {
    const QString one = Existing(u"A/one.iff"_s);
    const QString two = Existing(u"A/two.iff"_s);
    const QString three = Existing(u"B/three.iff"_s);
    const QList<FixtureRecord> records{{one, u"1"_s, {}},
                                       {three, u"2"_s, {}},
                                       {FFolder.Path(u"B/one.iff"_s), u"3"_s, {}},
                                       {two, u"4"_s, {}},
                                       {FFolder.Path(u"A/two.iff/x.iff"_s), u"5"_s, {}},
                                       {one.chopped(1), u"6"_s, {}}};
    const InstalledFilesDb db(WriteDb({{100, records}}));
    EXPECT_EQ(Names(db, Objects), QStringList({one, three, two}));
}

// A save is needed after a load only when the records differ from the file's: one was left
// out, a repeated name collapsed, or one added or deleted since.
TEST_F(InstalledFilesDbTest, ChangesCountFromTheLastLoad) {
    const QString chair = Existing(u"chair.iff"_s);
    const QString gone = FFolder.Path(u"gone.iff"_s);
    const struct {
        QList<FixtureRecord> Records;
        bool Changed;
    } loads[] = {
        {{{chair, u"1"_s, {}}}, false},
        {{{chair, u"1"_s, {}}, {gone, u"2"_s, {}}}, true},
        {{{chair, u"1"_s, {}}, {chair, u"2"_s, {}}}, true},
    };
    for (const auto& load : loads)
        EXPECT_EQ(InstalledFilesDb(WriteDb({{100, load.Records}})).HasChanges(), load.Changed)
            << load.Records.size();

    InstalledFilesDb db(WriteDb({{100, {{chair, u"1"_s, u"mine"_s}}}}));
    db.Add(Walls, Record(u"w"_s));
    EXPECT_TRUE(db.HasChanges());
    db.Load(db.DbFileName());
    EXPECT_EQ(db.FindOrAdd(Objects, Record(chair.toUpper(), u"new"_s)).Comment, u"mine"_s);
    EXPECT_FALSE(db.HasChanges()) << "found, not added";
    EXPECT_EQ(db.FindOrAdd(Objects, Record(u"b"_s, u"new"_s)).Comment, u"new"_s);
    EXPECT_TRUE(db.HasChanges());
    EXPECT_EQ(Names(db, Objects), QStringList({chair, u"b"_s}));
    db.Load(db.DbFileName());
    db.Delete(Objects, 0);
    EXPECT_TRUE(db.HasChanges());
    EXPECT_FALSE(InstalledFilesDb(FFolder.Path(u"none.iff"_s)).HasChanges());
}

// Under Wine the game finds its folders in any letter case, so a folder renamed to another
// case still holds the recorded files: their records, comments included, must survive a load
// and the next save. Only a file gone in every spelling loses its record.
TEST_F(InstalledFilesDbTest, RecordsSurviveAFolderRenamedToAnotherCase) {
    const QString chair = FFolder.Write(u"Game/GameData/UserObjects/chair.iff"_s, "chair");
    const QString archive = FFolder.Write(u"Game/GameData/UserObjects/Lamps.far"_s, "far");
    const QString packed = QDir::toNativeSeparators(archive) + u"\\lamp.iff"_s;
    const QString gone = FFolder.Path(u"Game/GameData/UserObjects/gone.iff"_s);
    const QString path =
        WriteDb({{100, {{chair, u"45000.25"_s, u"my chair"_s}, {gone, u"45000"_s, u"lost"_s}}},
                 {106, {{packed, u"45001"_s, u"packed"_s}}}});
    ASSERT_TRUE(QDir(FFolder.Path(u"Game"_s)).rename(u"GameData"_s, u"gamedata"_s));
    ASSERT_TRUE(QDir(FFolder.Path(u"Game/gamedata"_s)).rename(u"UserObjects"_s, u"userobjects"_s));

    InstalledFilesDb db(path);
    // Kept under the name it was stored.
    EXPECT_EQ(Lines(db, Objects), QStringList({chair + u"|my chair|45000.25"_s}));
    EXPECT_EQ(Names(db, FarPackedFiles), QStringList({packed}));

    ScriptedInteraction interaction;
    ASSERT_TRUE(db.Save(interaction));
    const InstalledFilesDb reloaded(path);
    EXPECT_EQ(Lines(reloaded, Objects), QStringList({chair + u"|my chair|45000.25"_s}));
    EXPECT_EQ(reloaded.Count(FarPackedFiles), 1);
}

TEST_F(InstalledFilesDbTest, DamagedEntriesDoNotStopTheLoad) {
    const QString chair = Existing(u"Chair.iff"_s);
    const QString table = Existing(u"Table.iff"_s);
    const QString path = WriteDb({{101, {{chair, u"not a date"_s, u"kept"_s}}},
                                  {102, {{table, u"1"_s, QString()}, {table, u"2"_s, QString()}}}});
    const InstalledFilesDb db(path);
    // An unreadable time is kept as day 0; a name listed twice is one record.
    EXPECT_EQ(Lines(db, Walls), QStringList({chair + u"|kept|0"_s}));
    EXPECT_EQ(Lines(db, Floors), QStringList({table + u"||2"_s}));

    EXPECT_EQ(InstalledFilesDb(FFolder.Path(u"missing.iff"_s)).Count(Walls), 0);
    EXPECT_EQ(InstalledFilesDb(FFolder.Write(u"junk.iff"_s, "junk")).Count(Walls), 0);
}

// The stored chunks written out by hand: header (type, size, id, flags, 64-byte label), then
// the list with its little-endian count.
TEST_F(InstalledFilesDbTest, SaveWritesTwoListsPerNonEmptyKindInKindOrder) {
    InstalledFilesDb db;
    db.Load(FFolder.Path(u"files.iff"_s));
    db.Add(Heads, Record(u"h.cmx"_s, u"head"_s));
    db.Add(Walls, Record(u"w.wll"_s));
    ScriptedInteraction interaction;
    ASSERT_TRUE(db.Save(interaction));

    QStringList written;
    for (const IffChunkInfo& chunk : ListAllIffChunks(db.DbFileName()))
        written.append(chunk.Type + QString::number(chunk.Id) + u':' + chunk.Label);
    EXPECT_EQ(written,
              QStringList({u"STR#101:Walls"_s, u"STR#201:Walls (Comments)"_s, u"STR#131:Heads"_s,
                           u"STR#231:Heads (Comments)"_s, u"rsmp0:"_s}));
    const QByteArray file = FFolder.Read(u"files.iff"_s);
    const QByteArray headTimes = "STR#"_ba + QByteArray::fromHex("0000005E 0083 0010") + "Heads" +
                                 QByteArray(59, '\0') + QByteArray::fromHex("FEFF 0100") +
                                 "h.cmx\0"_ba + "45000.5\0"_ba;
    const QByteArray headComments = "STR#"_ba + QByteArray::fromHex("0000005B 00E7 0010") +
                                    "Heads (Comments)" + QByteArray(48, '\0') +
                                    QByteArray::fromHex("FEFF 0100") + "h.cmx\0head\0"_ba;
    EXPECT_TRUE(file.contains(headTimes + headComments)) << file.toHex().constData();
}

// Each comment goes with the record of its name, in any letter case, wherever the comments
// chunk lists it.
TEST_F(InstalledFilesDbTest, CommentsAreMatchedToRecordsByName) {
    const QByteArray a = Existing(u"a.iff"_s).toUtf8();
    const QByteArray b = Existing(u"b.iff"_s).toUtf8();
    const QByteArray c = Existing(u"c.iff"_s).toUtf8();
    const QByteArray times =
        BuildStringList(FixtureListFormat::ValueComments, {{a, "1"}, {b, "2"}, {c, "3"}});
    const QByteArray comments = BuildStringList(
        FixtureListFormat::ValueComments, {{c.toUpper(), "for c"}, {a, "for a"}, {b, "for b"}});
    const InstalledFilesDb db(FFolder.Write(
        u"files.iff"_s, BuildIffFile({{"STR#", 100, 0x10, "Objects", times},
                                      {"STR#", 200, 0x10, "Objects (Comments)", comments}})));
    EXPECT_EQ(Lines(db, Objects),
              QString::fromUtf8(a + "|for a|1," + b + "|for b|2," + c + "|for c|3").split(u','));
}

TEST_F(InstalledFilesDbTest, AFailedSaveShowsTheMessageAndKeepsTheOldFile) {
    const QString path = FFolder.Write(u"files.iff"_s, "old");
    InstalledFilesDb db(path);
    for (int i = 0; i <= MaxStringListEntries; ++i)
        db.Add(Objects, Record(QString::number(i)));
    ScriptedInteraction interaction;
    EXPECT_FALSE(db.Save(interaction)) << "more records than a list can count";
    EXPECT_EQ(FFolder.Read(u"files.iff"_s), "old");

    InstalledFilesDb nowhere;
    nowhere.Load(FFolder.Path(u"no/folder/files.iff"_s));
    nowhere.SetErrorMessage(u"Cannot write {{filename}}."_s);
    EXPECT_FALSE(nowhere.Save(interaction));
    ASSERT_EQ(interaction.Messages().size(), 2);
    EXPECT_EQ(interaction.Messages()[0].Kind, MessageKind::Error);
    EXPECT_TRUE(interaction.Messages()[0].Text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(interaction.Messages()[1].Text, u"Cannot write %1."_s.arg(QDir::toNativeSeparators(
                                                  FFolder.Path(u"no/folder/files.iff"_s))));
}
