#include "formats/InstalledFilesDb.h"
#include "support/FilesDbFixtures.h"
#include "support/ProgramRun.h"
#include "TempFolderTest.h"

#include <QDir>
#include <QFile>

namespace {
// Far more than the limit lets through: the save is stopped part-way.
const QString RecordsToAdd = QStringLiteral("20000");
const QString ByteLimit = QStringLiteral("65536");

class FilesDbSaveSafety : public TempFolderTest {
protected:
    void SetUp() override {
        FDbPath =
            Write(QStringLiteral("files.iff"),
                  BuildFilesDb(
                      {{100,
                        {{Write(QStringLiteral("a.iff"), "a"), QStringLiteral("1"),
                          QStringLiteral("first")},
                         {Write(QStringLiteral("b.iff"), "b"), QStringLiteral("2"), QString()}}}}));
        FOldBytes = Contents();
    }

    QByteArray Contents() const {
        QFile file(FDbPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ProgramRun SaveUnderLimit(const QString& mode) const {
        return RunProgram(QStringLiteral(FILES_DB_SAVE_HELPER),
                          {FDbPath, RecordsToAdd, ByteLimit, mode});
    }

    void ExpectOldFileWhole() const {
        EXPECT_EQ(Contents(), FOldBytes);
        const InstalledFilesDb db(FDbPath);
        EXPECT_EQ(db.Count(ContentKind::Objects), 2);
        EXPECT_EQ(db.Get(ContentKind::Objects, 0).Comment, QStringLiteral("first"));
    }

    QString FDbPath;
    QByteArray FOldBytes;
};
} // namespace

TEST_F(FilesDbSaveSafety, AKillDuringSaveLeavesTheOldFileWhole) {
    const ProgramRun run = SaveUnderLimit(QStringLiteral("kill"));
    EXPECT_TRUE(run.Crashed) << run.Out.toStdString();
    EXPECT_FALSE(run.Out.contains(QStringLiteral("saved")));
    ExpectOldFileWhole();
}

TEST_F(FilesDbSaveSafety, AFullDiskShowsTheMessageAndLeavesTheOldFile) {
    const ProgramRun run = SaveUnderLimit(QStringLiteral("fail"));
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out,
              QStringLiteral("Error writing installed files database! Please check that you "
                             "have write access to the \"%1\" file.\nnot saved\n")
                  .arg(QDir::toNativeSeparators(FDbPath)));
    ExpectOldFileWhole();
}
