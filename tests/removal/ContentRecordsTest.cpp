#include "removal/ContentRecords.h"

#include "common/DayCountDate.h"
#include "formats/InstalledFilesDb.h"
#include "support/FarFixtures.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QDateTime Stamp(QDate(2024, 5, 6), QTime(7, 8, 9));

class ContentRecordsTest : public TempFolderTest {
protected:
    QString Dated(const QString& name, const QByteArray& bytes) const {
        const QString path = FFolder.Write(u"Game/Downloads/"_s + name, bytes);
        EXPECT_TRUE(SetFileModified(path, Stamp));
        return path;
    }
};
} // namespace

TEST_F(ContentRecordsTest, AFileTheDatabaseDoesNotKnowIsDatedByTheFileAndAdded) {
    const QString mine = Dated(u"mine.iff"_s, "x");
    InstalledFilesDb db;

    const InstalledFileRecord made = RecordOfFoundFile(db, ContentKind::Objects, mine);
    EXPECT_EQ(made.Comment, QString());
    EXPECT_EQ(FromDayCount(made.InstalledAt), Stamp);
    EXPECT_EQ(db.Count(ContentKind::Objects), 1);
    db.Add(ContentKind::Objects, {.FileName = mine, .Comment = u"mine"_s, .InstalledAt = 3});
    EXPECT_EQ(RecordOfFoundFile(db, ContentKind::Objects, mine).Comment, u"mine"_s);
}

// An entry without a record, or whose record has no date (day 0), shows the archive's date
// and keeps its comment; the database then holds that date for the next save. A dated
// record, found under either separator and in any letter case, stays as it is.
TEST_F(ContentRecordsTest, FarEntriesWithoutADateShowTheArchivesDate) {
    const QString archive = Dated(u"set.far"_s, BuildFarArchive({}));
    struct Row {
        QString Item;
        QString StoredAs; // the record's name after the archive path; "" for no record
        double StoredAt;
        QString Comment;
        QDateTime Shown;
    };
    const std::vector<Row> rows{
        {u"new.iff"_s, {}, 0, {}, Stamp},
        {u"undated.iff"_s, u"\\undated.iff"_s, 0, u"packed"_s, Stamp},
        {u"slashed.iff"_s, u"/slashed.iff"_s, 0, u"slash"_s, Stamp},
        {u"KNOWN.iff"_s, u"/known.iff"_s, 2.5, u"known"_s,
         QDateTime(QDate(1900, 1, 1), QTime(12, 0))},
        {u"dated.iff"_s, u"\\dated.iff"_s, 38116.5, {}, QDateTime(QDate(2004, 5, 9), QTime(12, 0))},
    };
    InstalledFilesDb db;
    for (const Row& row : rows)
        if (!row.StoredAs.isEmpty())
            db.Add(ContentKind::FarPackedFiles, {.FileName = archive + row.StoredAs,
                                                 .Comment = row.Comment,
                                                 .InstalledAt = row.StoredAt});

    for (const Row& row : rows) {
        const InstalledFileRecord shown = RecordOfFarItem(db, archive, row.Item);
        EXPECT_EQ(FromDayCount(shown.InstalledAt), row.Shown) << row.Item.toStdString();
        EXPECT_EQ(shown.Comment, row.Comment) << row.Item.toStdString();
        const QString stored = row.StoredAs.isEmpty() ? u"\\"_s + row.Item : row.StoredAs;
        const int index = db.IndexOf(ContentKind::FarPackedFiles, archive + stored);
        EXPECT_EQ(FromDayCount(db.Get(ContentKind::FarPackedFiles, index).InstalledAt), row.Shown)
            << row.Item.toStdString();
    }
    EXPECT_EQ(db.Count(ContentKind::FarPackedFiles), 5);
}

TEST(ContentRecordsNameTest, ArchiveRecordsNeedTheArchivePathAndASeparator) {
    const QString archive = u"/g/Downloads/set.far"_s;
    const std::vector<std::pair<QString, bool>> cases{
        {u"/g/Downloads/set.far\\a.iff"_s, true},   {u"/G/DOWNLOADS/SET.FAR/a.iff"_s, true},
        {u"/g/Downloads/set.far"_s, false},         {u"/g/Downloads/set.far\\"_s, true},
        {u"/g/Downloads/set.far2\\a.iff"_s, false}, {u"/x/g/Downloads/set.far\\a.iff"_s, false},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(IsRecordOfArchive(name, archive), expected) << name.toStdString();
}
