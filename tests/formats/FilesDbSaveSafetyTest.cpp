#include "formats/InstalledFilesDb.h"
#include "support/FileFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
// Far more than the limit lets through: the save is stopped part-way.
const QString RecordsToAdd = u"20000"_s;
const QString ByteLimit = u"65536"_s;

class FilesDbSaveSafety : public TempFolderTest {
protected:
    void SetUp() override {
        FDbPath =
            FFolder.Write(u"files.iff"_s,
                          BuildFilesDb({{100,
                                         {{FFolder.Write(u"a.iff"_s, "a"), u"1"_s, u"first"_s},
                                          {FFolder.Write(u"b.iff"_s, "b"), u"2"_s, QString()}}}}));
        FOldBytes = Contents();
    }

    QByteArray Contents() const { return ReadFixtureFile(FDbPath); }

    ProgramRun SaveUnderLimit(const QString& mode) const {
        return RunProgram(QStringLiteral(FILES_DB_SAVE_HELPER),
                          {FDbPath, RecordsToAdd, ByteLimit, mode});
    }

    void ExpectOldFileWhole() const {
        EXPECT_EQ(Contents(), FOldBytes);
        const InstalledFilesDb db(FDbPath);
        EXPECT_EQ(db.Count(ContentKind::Objects), 2);
        EXPECT_EQ(db.Get(ContentKind::Objects, 0).Comment, u"first"_s);
    }

    QString FDbPath;
    QByteArray FOldBytes;
};
} // namespace

TEST_F(FilesDbSaveSafety, AKillDuringSaveLeavesTheOldFileWhole) {
    const ProgramRun run = SaveUnderLimit(u"kill"_s);
    EXPECT_TRUE(run.Crashed) << run.Out.toStdString();
    EXPECT_FALSE(run.Out.contains(u"saved"_s));
    ExpectOldFileWhole();
}

TEST_F(FilesDbSaveSafety, AFullDiskShowsTheMessageAndLeavesTheOldFile) {
    const ProgramRun run = SaveUnderLimit(u"fail"_s);
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out,
              QStringLiteral("Error writing installed files database! Please check that you "
                             "have write access to the \"%1\" file.\nnot saved\n")
                  .arg(QDir::toNativeSeparators(FDbPath)));
    ExpectOldFileWhole();
}
