#include "farpack/TFARFrame.h"

#include "formats/InstalledFilesDb.h"
#include "language/BuiltInEnglish.h"
#include "support/FarFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/OwnProgramFolder.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkerJobWait.h"
#include "widgets/TTickTree.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TFARFrameTest : public OwnProgramFolderTest {
protected:
    TFARFrameTest() {
        FFrame.Language().SetDefaultLanguage(BuiltInEnglishLines());
        FFrame.SetVocksPath(FFolder.Path(u"game/"_s));
    }
    template <typename Control> Control* Find(const char* name) const {
        return FFrame.findChild<Control*>(QLatin1String(name));
    }
    QString Edit(const char* name) const { return Find<QLineEdit>(name)->text(); }
    bool Enabled(const char* name) const { return Find<QPushButton>(name)->isEnabled(); }
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
    }
    TickTreeModel& Tree() const { return *Find<TTickTree>("FARSelect")->TickModel(); }

    // Each node as the user sees it: indented by depth, its text and its tick state.
    QStringList Shown() const {
        QStringList lines;
        const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent,
                                                                      int depth) {
            for (int row = 0; row < Tree().rowCount(parent); ++row) {
                const QModelIndex node = Tree().index(row, 0, parent);
                lines.append(QString(depth * 2, u' ') + node.data().toString() + u' ' +
                             QString::number(int(Tree().State(node))));
                walk(node, depth + 1);
            }
        };
        walk(QModelIndex(), 0);
        return lines;
    }
    QModelIndex Node(std::initializer_list<int> rows) const {
        QModelIndex node;
        for (int row : rows)
            node = Tree().index(row, 0, node);
        return node;
    }

    ScriptedInteraction FUser;
    TFARFrame FFrame{FUser};
};

// The list is read on a worker while the window's events go on.
TEST_F(TFARFrameTest, WithoutObjectFilesOnlyTheEmptyNoteShowsAndNothingCanBeDone) {
    FFolder.Write(u"game/GameData/UserObjects/readme.txt"_s, "x");
    bool turned = false;
    QTimer::singleShot(0, &FFrame, [&turned] { turned = true; });
    FFrame.FillList();
    EXPECT_TRUE(turned);
    EXPECT_EQ(Shown(), QStringList{u"No objects found in IFF files -1"_s});
    for (const char* button : {"FARNext", "FARReset", "BrowseFARFile", "BrowseIFFDir"})
        EXPECT_FALSE(Enabled(button)) << button;
}

TEST_F(TFARFrameTest, EditsStartFromTheStoredValuesAndTheArchiveNameBringsItsComment) {
    const QString far = FFolder.Write(u"game/Downloads/Old.far"_s, BuildFarArchive({}));
    FFolder.Write(u"home/files.iff"_s, BuildFilesDb({{105, {{far, u"45000"_s, u"\\x\\y"_s}}}}));
    FFolder.Write(u"game/Downloads/a.iff"_s, "a");
    FFrame.FillList();
    EXPECT_EQ(Edit("FARFile"), FFolder.Path(u"game/GameData/UserObjects/MyObjects.far"_s));
    EXPECT_EQ(Edit("IFFDir"), FFolder.Path(u"home/IFFBackup"_s));
    EXPECT_EQ(Edit("FARComment"), QString());

    Find<QLineEdit>("FARFile")->setText(far.toUpper());
    EXPECT_EQ(Edit("FARComment"), u"\\x\\y"_s);

    FUser.ExpectFileDialog({.Confirmed = true, .Paths = {far}});
    Find<QLineEdit>("FARComment")->clear();
    Click("BrowseFARFile");
    EXPECT_EQ(Edit("FARFile"), far);
    EXPECT_EQ(Edit("FARComment"), u"\\x\\y"_s);
    const FileDialogRequest& asked = FUser.FileDialogs().back();
    EXPECT_EQ(asked.Kind, FileDialogKind::Save);
    EXPECT_EQ(asked.Title, u"Save FAR-File:"_s);
    EXPECT_EQ(asked.Filter, u"FAR Files (*.far)|*.far"_s);
    EXPECT_EQ(asked.InitialPath, far.toUpper());

    FUser.ExpectFileDialog({.Confirmed = false, .Paths = {}});
    Click("BrowseIFFDir");
    EXPECT_EQ(Edit("IFFDir"), FFolder.Path(u"home/IFFBackup"_s));
    EXPECT_EQ(FUser.FileDialogs().back().Kind, FileDialogKind::Folder);
}

// How ticks spread is the tree's own rule; the frame enables Next while the root is ticked
// at all, and Next packs the ticked files.
TEST_F(TFARFrameTest, NextFollowsTheRootAndPacksTheTickedFilesStoringTheEdits) {
    FFolder.Write(u"game/Downloads/keep.iff"_s, "keep");
    FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "chair");
    FFolder.Write(u"game/GameData/UserObjects/Sets/lamp.iff"_s, "lamp");
    FFrame.FillList();
    EXPECT_EQ(Shown(), QStringList({u"Installed Objects 3"_s, u"  \\Downloads 3"_s,
                                    u"    keep.iff 3"_s, u"  \\GameData\\UserObjects 3"_s,
                                    u"    chair.iff 3"_s, u"    Sets\\lamp.iff 3"_s}));
    Tree().SetTick(Node({0, 1}), TickState::Unticked);
    EXPECT_TRUE(Enabled("FARNext"));
    Tree().SetTick(Node({0, 0}), TickState::Unticked);
    EXPECT_FALSE(Enabled("FARNext"));
    Click("FARReset");
    EXPECT_EQ(Tree().State(Node({0})), TickState::Ticked);
    EXPECT_TRUE(Enabled("FARNext"));
    EXPECT_EQ(Find<TTickTree>("FARSelect")->currentIndex(), Node({0}));

    Tree().SetTick(Node({0, 0}), TickState::Unticked);
    Find<QLineEdit>("FARComment")->setText(u"my objects"_s);
    const QString far = FFolder.Path(u"game/GameData/UserObjects/MyObjects.far"_s);

    Click("FARNext");
    WaitForWorkerJob(FFrame);

    EXPECT_EQ(FUser.MessageTexts(), QStringList{u"2 files packed into FAR file "_s + far + u"."_s});
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/MyObjects.far"_s),
              BuildFarArchive({{"chair.iff", "chair"}, {"Sets\\lamp.iff", "lamp"}}));
    EXPECT_EQ(FFolder.Read(u"home/IFFBackup/chair.iff"_s), "chair");
    EXPECT_EQ(FFolder.Read(u"home/IFFBackup/Sets/lamp.iff"_s), "lamp");
    const InstalledFilesDb db(FFolder.Path(u"home/files.iff"_s));
    EXPECT_EQ(db.Get(ContentKind::FarFiles, 0).Comment, u"my objects"_s);
    EXPECT_EQ(db.Get(ContentKind::FarPackedFiles, 1).FileName, far + u"\\Sets\\lamp.iff"_s);
    EXPECT_EQ(StoredSetting(u"FarFile"_s), far);
    EXPECT_EQ(StoredSetting(u"FarIFFDir"_s), FFolder.Path(u"home/IFFBackup"_s));
    EXPECT_EQ(Shown(),
              QStringList({u"Installed Objects 3"_s, u"  \\Downloads 3"_s, u"    keep.iff 3"_s}));
    EXPECT_EQ(Edit("FARComment"), u"my objects"_s);
}
