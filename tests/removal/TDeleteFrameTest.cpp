#include "removal/TDeleteFrame.h"

#include "formats/InstalledFilesDb.h"
#include "language/BuiltInEnglish.h"
#include "support/FarFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/IffFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/SpriteFixtures.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"
#include "support/WorkerJobWait.h"
#include "widgets/TTickTree.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
// A game folder with a shipped object, a custom object with a picture, an archive of two
// entries and an archive of one, in a program folder of its own.
class TDeleteFrameTest : public TempFolderTest {
protected:
    TDeleteFrameTest() : FFrame(FUser) {
        qputenv("PACKWRIGHT_HOME", QFile::encodeName(FFolder.Path(u"Home"_s)));
        FFrame.Language().SetDefaultLanguage(BuiltInEnglishLines());
        FFrame.SetVocksPath(FFolder.Path(u"Game"_s));
        FFrame.SetTempFolder(FFolder.Path(u"Temp"_s));
        FFolder.Write(u"Home/QuarnFiles.iff"_s,
                      BuildStringChunksFile({{100, "GameData\\Objects\\Shipped.iff"}}));
        FFolder.Write(u"Game/GameData/Objects/Shipped.iff"_s, "game");
    }
    ~TDeleteFrameTest() override { qunsetenv("PACKWRIGHT_HOME"); }

    void MakeContent() {
        FChair = FFolder.Write(
            u"Game/GameData/Objects/chair.iff"_s,
            BuildIffFile({{.Type = "BMP_", .Id = 6001, .Data = BuildBitmap(4, 3, qRgb(10, 20, 30))},
                          {.Type = "CTSS",
                           .Id = 1,
                           .Data = BuildStringList(FixtureListFormat::Values,
                                                   {{.Value = "Chair"}, {.Value = "Nice"}})}}));
        FSet = FFolder.Write(
            u"Game/Downloads/set.far"_s,
            BuildFarArchive({{.Name = "a.iff", .Data = "A"}, {.Name = "b.iff", .Data = "B"}}));
        FWhole = FFolder.Write(u"Game/Downloads/whole.far"_s,
                               BuildFarArchive({{.Name = "w.iff", .Data = "W"}}));
        FFolder.Write(
            u"Home/files.iff"_s,
            BuildFilesDb(
                {{100, {{.FileName = FChair, .InstalledAt = u"40000"_s, .Comment = u"comfy"_s}}},
                 {106,
                  {{.FileName = FSet + u"\\a.iff"_s, .InstalledAt = u"1"_s},
                   {.FileName = FSet + u"\\b.iff"_s, .InstalledAt = u"1"_s},
                   {.FileName = FWhole + u"\\w.iff"_s, .InstalledAt = u"1"_s}}}}));
    }

    void Load() {
        FFrame.LoadInstalledContent();
        WaitForWorkerJob(FFrame);
    }
    // Presses Delete, answering the question that follows when there is one.
    void Delete(std::optional<MessageAnswer> answer = MessageAnswer::Yes) {
        if (answer)
            FUser.ExpectQuestion(*answer);
        FFrame.DeleteClick();
        WaitForWorkerJob(FFrame);
    }

    template <typename T> T* Find(const char16_t* name) {
        T* widget = FFrame.findChild<T*>(QString::fromUtf16(name));
        EXPECT_TRUE(widget) << QString::fromUtf16(name).toStdString();
        return widget;
    }

    // A label's text as the user reads it, without the invisible line-break marks.
    QString Shown(const char16_t* label) {
        return Find<QLabel>(label)->text().remove(QChar(0x200B));
    }

    TickTreeModel& Model() { return *Find<TTickTree>(u"FilesTree")->TickModel(); }

    QModelIndex Node(const QString& text) {
        const QList<QStandardItem*> found = Model().findItems(text, Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.value(0) ? found[0]->index() : QModelIndex();
    }

    bool HasNode(const QString& text) {
        return !Model().findItems(text, Qt::MatchRecursive).isEmpty();
    }

    ScriptedInteraction FUser;
    TDeleteFrame FFrame;
    QString FChair;
    QString FSet;
    QString FWhole;
};
} // namespace

TEST_F(TDeleteFrameTest, WithoutCustomContentTheTreeSaysSoAndNothingCanBeDone) {
    Load();
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().item(0)->text(), u"You don't have any custom content installed!"_s);
    EXPECT_FALSE(Find<TTickTree>(u"FilesTree")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(u"Delete")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(u"Reset")->isEnabled());
    EXPECT_TRUE(FUser.Messages().isEmpty());
}

// The call returns at once with the tab disabled; the tree comes when the worker is done. A
// cancelled load shows no part of what it found and names no archive it did not read.
// (Cancel is pressed at once: the worker's percent reaches the window only later.)
TEST_F(TDeleteFrameTest, TheLoadRunsOnAWorkerAndACancelledOneShowsNoHalfTree) {
    MakeContent();
    FFrame.LoadInstalledContent();
    EXPECT_FALSE(FFrame.isEnabled());
    WaitForWorkerJob(FFrame);
    EXPECT_TRUE(HasNode(u"chair.iff"_s));

    FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    FUser.CancelAtPercent(0);
    Load();
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().item(0)->text(), u"You don't have any custom content installed!"_s);
    EXPECT_FALSE(Find<QPushButton>(u"Delete")->isEnabled());
    EXPECT_TRUE(FUser.Messages().isEmpty());
    EXPECT_FALSE(FUser.ProgressOpen());
}

TEST_F(TDeleteFrameTest, SelectingAnObjectShowsItsDetailsAndDoubledPicture) {
    MakeContent();
    Load();
    Find<TTickTree>(u"FilesTree")->setCurrentIndex(Node(u"chair.iff"_s));
    EXPECT_EQ(Shown(u"Filename"), QDir::toNativeSeparators(FChair));
    EXPECT_EQ(Find<QLabel>(u"Comment")->text(), u"comfy"_s);
    EXPECT_EQ(Find<QPlainTextEdit>(u"Description")->toPlainText(), u"Chair -- Nice"_s);
    EXPECT_EQ(Find<QLabel>(u"Preview")->pixmap().size(), QSize(8, 6));
    EXPECT_FALSE(Find<QLabel>(u"Preview")->isHidden());
    // At the window's first width the path and the date are shown whole, on several lines.
    FFrame.resize(505, 400);
    FFrame.show();
    QCoreApplication::processEvents();
    for (const char16_t* name : {u"Filename", u"Instdate"}) {
        const QLabel& label = *Find<QLabel>(name);
        const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                              Qt::TextWordWrap, label.text());
        EXPECT_LE(needed.width(), label.width()) << QString::fromUtf16(name).toStdString();
        EXPECT_LE(needed.height(), label.height()) << QString::fromUtf16(name).toStdString();
    }

    Find<TTickTree>(u"FilesTree")->setCurrentIndex(Node(u"b.iff"_s));
    EXPECT_EQ(Shown(u"Filename"), FSet + u"\\b.iff"_s);
    EXPECT_EQ(Find<QLabel>(u"Comment")->text(), u"[Not Entered]"_s);
}

// Archives that cannot be read show as files without entries, all named in one warning on
// every load; the readable ones keep their entries.
TEST_F(TDeleteFrameTest, UnreadableArchivesShowWithoutEntriesAndAreNamedInOneWarning) {
    MakeContent();
    const QString broken = FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    const QString empty = FFolder.Write(u"Game/GameData/UserObjects/Empty.far"_s, QByteArray());
    const QString warning = u"These FAR files could not be read and are listed without the files "
                            "inside them:\r\n"_s +
                            QDir::toNativeSeparators(broken) + u'\n' +
                            QDir::toNativeSeparators(empty);

    Load();
    EXPECT_EQ(FUser.MessageTexts(), QStringList{warning});
    const auto entries = [this](const QString& archive) {
        return Model().itemFromIndex(Node(QDir::toNativeSeparators(archive)))->rowCount();
    };
    EXPECT_EQ(entries(u"Downloads/broken.far"_s), 0);
    EXPECT_EQ(entries(u"GameData/UserObjects/Empty.far"_s), 0);
    EXPECT_EQ(entries(u"Downloads/set.far"_s), 2);

    Load();
    EXPECT_EQ(FUser.MessageTexts(), (QStringList{warning, warning}));
}

TEST_F(TDeleteFrameTest, DeletesTheTickedObjectEntryAndArchiveOnceConfirmed) {
    MakeContent();
    Load();
    Delete(std::nullopt);
    Model().SetTick(Node(u"chair.iff"_s), TickState::Ticked);
    Delete(MessageAnswer::No);
    EXPECT_TRUE(QFile::exists(FChair));
    EXPECT_EQ(Model().State(Node(u"chair.iff"_s)), TickState::Ticked);
    Model().SetTick(Node(u"a.iff"_s), TickState::Ticked);
    Model().SetTick(Node(QDir::toNativeSeparators(u"Downloads/whole.far"_s)), TickState::Ticked);
    EXPECT_EQ(Model().State(Node(QDir::toNativeSeparators(u"Downloads/set.far"_s))),
              TickState::Partly);
    Delete();

    const QString warning =
        u"Warning! The selected files will be deleted. Until this deletion leaves the history of "
        u"changes (the oldest changes leave first) they are kept there and still use their disk "
        u"space, and the History button can undo it. Are you sure you want to do this?"_s;
    EXPECT_EQ(FUser.MessageTexts(), (QStringList{u"You didn't select any files to delete!"_s,
                                                 warning, warning, u"3 files deleted."_s}));
    // Return must not delete.
    EXPECT_EQ(FUser.Messages()[1].Default, MessageAnswer::No);
    EXPECT_EQ(FUser.Messages()[2].Default, MessageAnswer::No);
    EXPECT_FALSE(QFile::exists(FChair) || QFile::exists(FWhole));
    EXPECT_EQ(FFolder.Read(u"Game/Downloads/set.far"_s),
              BuildFarArchive({{.Name = "b.iff", .Data = "B"}}));
    const InstalledFilesDb db(FFolder.Path(u"Home/files.iff"_s));
    EXPECT_EQ(db.Count(ContentKind::Objects), 0);
    EXPECT_EQ(db.Count(ContentKind::FarPackedFiles), 1);
    EXPECT_FALSE(HasNode(u"chair.iff"_s));
    EXPECT_FALSE(HasNode(u"a.iff"_s));
    EXPECT_EQ(Model().State(Node(u"b.iff"_s)), TickState::Unticked);
}

TEST_F(TDeleteFrameTest, ADeletionThatCannotBeginIsNamedAndDeletesNothing) {
    MakeContent();
    Load();
    // An interrupted change nobody has undone yet.
    FFolder.Write(u"Home/operations/20261207-173000-000-1/journal.txt"_s, "");
    Model().SetTick(Node(u"chair.iff"_s), TickState::Ticked);
    Delete();

    ASSERT_EQ(FUser.Messages().size(), 2);
    EXPECT_EQ(FUser.Messages()[1].Kind, MessageKind::Error);
    EXPECT_EQ(FUser.Messages()[1].Text,
              u"An earlier change that was interrupted has not been undone yet. Please start The "
              "Packwright again (or run \"packwright-cli recover\") before making new changes."_s);
    EXPECT_TRUE(QFile::exists(FChair));
    EXPECT_EQ(InstalledFilesDb(FFolder.Path(u"Home/files.iff"_s)).Count(ContentKind::Objects), 1);
}

TEST_F(TDeleteFrameTest, ADeletionUndoneFromTheHistoryIsBackInTheTree) {
    MakeContent();
    Load();
    Model().SetTick(Node(u"chair.iff"_s), TickState::Ticked);
    Delete();
    EXPECT_FALSE(HasNode(u"chair.iff"_s));

    Find<QPushButton>(u"History")->click();
    auto* history = FFrame.findChild<QWidget*>(u"HistoryForm"_s);
    ASSERT_TRUE(history);
    FUser.ExpectQuestion(MessageAnswer::Yes);
    history->findChild<QPushButton*>(u"Undo"_s)->click();
    WaitForWorkerJob(*history->findChild<QWidget*>(u"HistoryContent"_s));
    WaitForWorkerJob(FFrame);
    EXPECT_TRUE(QFile::exists(FChair));
    EXPECT_TRUE(HasNode(u"chair.iff"_s));
}

// Houses and lots are listed only when the program recorded them, each group under "Houses
// and areas", and are deleted with their records like any other file.
TEST_F(TDeleteFrameTest, RecordedHousesAndLotsAreListedInTheirGroupsAndDeletable) {
    const QString house = FFolder.Write(u"Game/UserData2/Houses/House05.iff"_s, "house");
    const QString family = FFolder.Write(u"Game/UserData/Import/family.iff"_s, "family");
    const QString shipped = FFolder.Write(u"Game/UserData/Houses/House01.iff"_s, "game's own");
    FFolder.Write(u"Game/Downloads/set.far"_s,
                  BuildFarArchive({{.Name = "Sets\\lamp.iff", .Data = "L"}}));
    FFolder.Write(u"Home/files.iff"_s,
                  BuildFilesDb({{110, {{.FileName = house, .InstalledAt = u"1"_s}}},
                                {120, {{.FileName = family, .InstalledAt = u"1"_s}}}}));
    Load();

    const QString lots = u"Houses and areas"_s;
    EXPECT_EQ(Node(u"Houses (Regular Neighborhood)"_s).parent().data().toString(), lots);
    EXPECT_EQ(Node(u"Exported Families"_s).parent().data().toString(), lots);
    const QString houseNode = QDir::toNativeSeparators(u"UserData2/Houses/House05.iff"_s);
    const QString familyNode = QDir::toNativeSeparators(u"UserData/Import/family.iff"_s);
    EXPECT_FALSE(HasNode(QDir::toNativeSeparators(u"UserData/Houses/House01.iff"_s)));
    // Entry names show the separator of the paths beside them.
    EXPECT_TRUE(HasNode(QDir::toNativeSeparators(u"Sets/lamp.iff"_s)));

    Model().SetTick(Node(houseNode), TickState::Ticked);
    Model().SetTick(Node(familyNode), TickState::Ticked);
    Delete();

    EXPECT_EQ(FUser.MessageTexts().last(), u"2 files deleted."_s);
    EXPECT_FALSE(QFile::exists(house) || QFile::exists(family));
    EXPECT_TRUE(QFile::exists(shipped));
    EXPECT_FALSE(HasNode(houseNode));
    const InstalledFilesDb db(FFolder.Path(u"Home/files.iff"_s));
    EXPECT_EQ(db.Count(ContentKind::Houses) + db.Count(ContentKind::Families), 0);
}
