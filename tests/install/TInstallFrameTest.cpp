#include "install/TInstallFrame.h"

#include "common/DayCountDate.h"
#include "formats/InstalledFilesDb.h"
#include "install/TInstallFilesPanel.h"
#include "InstalledGame.h"
#include "language/BuiltInEnglish.h"
#include "support/OwnProgramFolder.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/WorkerJobWait.h"
#include "support/ZipFixtures.h"
#include "widgets/TTickTree.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// The settings store lies in the test's folder: the dialogs remember where they were last.
class TInstallFrameTest : public OwnProgramFolderTest {
protected:
    TInstallFrameTest() {
        FFrame.SetInteraction(FUser);
        FFrame.SetTempFolder(FFolder.Path(u"temp/"_s));
        QDir().mkpath(FFolder.Path(u"temp"_s));
        FFrame.Language().SetDefaultLanguage(BuiltInEnglishLines());
        FFrame.resize(600, 400);
        FFrame.show();
    }

    template <typename Widget> Widget* Find(const char* name) const {
        return FFrame.findChild<Widget*>(QLatin1String(name));
    }
    // Node texts in tree order, indented by depth.
    QStringList TreeLines() const {
        QStringList lines;
        const QAbstractItemModel* model = Find<TTickTree>("FilesTree")->model();
        const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent,
                                                                      int depth) {
            for (int row = 0; row < model->rowCount(parent); ++row) {
                const QModelIndex index = model->index(row, 0, parent);
                lines.append(QString(depth * 2, u' ') + index.data().toString());
                walk(index, depth + 1);
            }
        };
        walk({}, 0);
        return lines;
    }
    QModelIndex Node(const QList<int>& rows) const {
        const QAbstractItemModel* model = Find<TTickTree>("FilesTree")->model();
        QModelIndex index;
        for (const int row : rows)
            index = model->index(row, 0, index);
        return index;
    }

    // Drops the items on the picture as the shell would; false when the drag is refused.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QWidget* picture = Find<QWidget>("DropImg");
        // Qt delivers a drop to the widget that accepted the drag entering it.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &drop);
        return true;
    }

    ScriptedInteraction FUser;
    TInstallFrame FFrame;
};
} // namespace

TEST_F(TInstallFrameTest, ShowsTheDropAsATickedTreeWithCommentsAndReadmes) {
    const QString zip =
        FFolder.Write(u"dl/walls.zip"_s,
                      BuildZipArchive({{.Name = "brick.wll", .Data = "brick"},
                                       {.Name = "stone.wll", .Data = "stone"},
                                       {.Name = "Readme.txt", .Data = "Line one\r\nLine two"}}));
    const QString chair = FFolder.Write(u"dl/chair.iff"_s, "chair");
    const QString red =
        FFolder.Write(u"dl/red.zip"_s, BuildZipArchive({{.Name = "chair.iff", .Data = "red"}}));
    // The comment box is in view from the start, waiting for a file.
    auto* comment = Find<QLineEdit>("FileComment");
    EXPECT_FALSE(comment->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("SourcePath")->placeholderText().isEmpty());
    FFrame.SelectFiles({zip, chair, red});
    WaitForWorkerJob(FFrame);

    ASSERT_EQ(FFrame.InstallStep(), 2);
    // Each file's own name first, then the archive or folder it came from.
    const QString entries = QDir::toNativeSeparators(zip) + QDir::separator();
    EXPECT_EQ(TreeLines(),
              QStringList({u"Selected Files"_s, u"  Objects"_s, u"    chair.iff  (dl)"_s,
                           u"    chair.iff  (red.zip)"_s, u"  Walls"_s,
                           u"    brick.wll  (walls.zip)"_s, u"    stone.wll  (walls.zip)"_s}));
    EXPECT_EQ(Node({0, 0, 1}).data(Qt::ToolTipRole).toString(),
              QDir::toNativeSeparators(red) + QDir::separator() + u"chair.iff"_s);
    EXPECT_TRUE(Find<QWidget>("FilesPanel")->isVisible());
    EXPECT_FALSE(Find<QWidget>("MainPanel")->isVisible());
    // Readmes read like the tree's rows, the whole path in the tooltip.
    EXPECT_EQ(Find<QListWidget>("ReadmeFiles")->item(0)->text(), u"Readme.txt  (walls.zip)"_s);
    EXPECT_EQ(Find<QListWidget>("ReadmeFiles")->item(0)->toolTip(), entries + u"Readme.txt"_s);
    EXPECT_EQ(Find<QPlainTextEdit>("ReadmeText")->toPlainText(), u"Line one\nLine two"_s);
    EXPECT_EQ(Find<QLabel>("Desc2_2")->text(),
              u"2. Check the files to install and read the readme files"_s);

    // Install stays enabled while anything is ticked.
    TTickTree* tree = Find<TTickTree>("FilesTree");
    auto* install = Find<QPushButton>("Install");
    tree->TickModel()->SetTick(Node({0, 1}), TickState::Unticked);
    EXPECT_TRUE(install->isEnabled());
    tree->TickModel()->SetTick(Node({0, 0}), TickState::Unticked);
    EXPECT_FALSE(install->isEnabled());
    tree->TickModel()->SetAllTicks(TickState::Ticked);

    // A comment on one file, then All with another text and Yes: every file gets the second.
    tree->setCurrentIndex(Node({0, 1, 0}));
    EXPECT_TRUE(comment->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("SourcePath")->text(), entries + u"brick.wll"_s);
    comment->setText(u"mine"_s);
    Q_EMIT comment->textEdited(comment->text());
    EXPECT_EQ(FFrame.TickedFiles().value(2).Comment, u"mine"_s);
    comment->setText(u"for all"_s);
    FUser.ExpectQuestion(MessageAnswer::Yes);
    Find<QPushButton>("CommentAll")->click();
    const QList<TickedFile> ticked = FFrame.TickedFiles();
    ASSERT_EQ(ticked.size(), 4);
    EXPECT_EQ(ticked[0], (TickedFile{chair, ContentKind::Objects, QDir::toNativeSeparators(chair),
                                     u"for all"_s}));
    EXPECT_EQ(ticked[3], (TickedFile{FFolder.Path(u"temp/walls.zip/stone.wll"_s),
                                     ContentKind::Walls, entries + u"stone.wll"_s, u"for all"_s}));
    tree->setCurrentIndex(Node({0}));
    EXPECT_FALSE(comment->isEnabled());

    // Back empties the temporary folder and shows the picture again.
    Find<QPushButton>("BackTo1")->click();
    EXPECT_EQ(FFrame.InstallStep(), 1);
    EXPECT_EQ(FFolder.Contents().filter(u"temp/"_s), QStringList());
    EXPECT_TRUE(FFrame.TickedFiles().isEmpty());
}

TEST_F(TInstallFrameTest, NothingInstallableWarnsAndStaysOnStepOne) {
    FFrame.SelectFiles({FFolder.Write(u"dl/manual.doc"_s, "doc")});
    WaitForWorkerJob(FFrame);
    EXPECT_EQ(FFrame.InstallStep(), 1);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({u"You didn't select any files which you can install to The Vocks!"_s}));
    EXPECT_TRUE(Find<QWidget>("MainPanel")->isVisible());
}

// The readme of an archive whose files stayed locked is still shown: it may hold the password.
TEST_F(TInstallFrameTest, AReadmeThatAloneCouldBeOpenedIsStillShown) {
    FUser.ExpectPassword(std::nullopt);
    FFrame.SelectFiles({FFolder.Write(
        u"dl/locked.zip"_s,
        BuildZipArchive({{.Name = "chair.iff",
                          .Data = "chair",
                          .Cipher = ZipFixtureCipher::Aes256,
                          .Password = "secret"},
                         {.Name = "password.txt", .Data = "The password is secret"}}))});
    WaitForWorkerJob(FFrame);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({u"You didn't select any files which you can install to The Vocks!"_s}));
    EXPECT_EQ(FFrame.InstallStep(), 2);
    EXPECT_EQ(TreeLines(), QStringList({u"No Files Found"_s}));
    EXPECT_FALSE(Find<QPushButton>("Install")->isEnabled());
    EXPECT_EQ(Find<QPlainTextEdit>("ReadmeText")->toPlainText(), u"The password is secret"_s);
}

// Each dialog starts where the last pick was, the first one in the user's Downloads folder.
TEST_F(TInstallFrameTest, TheLinksOpenTheFileAndFolderDialogsWhereTheLastPickWas) {
    const QString chair = FFolder.Write(u"dl/chair.iff"_s, "chair");
    const QString wall = FFolder.Write(u"dl/walls/stone.wll"_s, "stone");
    FUser.ExpectFileDialog({.Confirmed = true, .Paths = {chair}});
    Q_EMIT Find<QLabel>("Desc1_1b")->linkActivated(u"#"_s);
    WaitForWorkerJob(FFrame);
    EXPECT_EQ(FFrame.InstallStep(), 2);
    EXPECT_EQ(FFrame.TickedFiles().size(), 1);
    Find<QPushButton>("BackTo1")->click();
    FUser.ExpectFileDialog({.Confirmed = true, .Paths = {FFolder.Path(u"dl/walls"_s)}});
    Q_EMIT Find<QLabel>("AddFolder")->linkActivated(u"#"_s);
    WaitForWorkerJob(FFrame);

    ASSERT_EQ(FUser.FileDialogs().size(), 2);
    const FileDialogRequest& files = FUser.FileDialogs()[0];
    EXPECT_EQ(files.Kind, FileDialogKind::OpenMultiple);
    EXPECT_EQ(files.Title, u"Select files to install to The Vocks"_s);
    EXPECT_TRUE(files.Filter.startsWith(
        u"All Supported Files|*.zip;*.7z;*.rar;*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tbz2;*.tar.xz;"
        "*.txz;*.far;*.iff;"_s));
    EXPECT_TRUE(files.Filter.endsWith(u"All Files (*.*)|*.*"_s));
    EXPECT_EQ(files.InitialPath, QDir::toNativeSeparators(QStandardPaths::writableLocation(
                                     QStandardPaths::DownloadLocation)));
    EXPECT_EQ(FUser.FileDialogs()[1].Kind, FileDialogKind::Folder);
    EXPECT_EQ(FUser.FileDialogs()[1].InitialPath, QDir::toNativeSeparators(FFolder.Path(u"dl"_s)));
    EXPECT_EQ(FFrame.TickedFiles().value(0).SourcePath, wall);
}

TEST_F(TInstallFrameTest, TheAllButtonAsksBeforeReplacingACommentTypedForOneFile) {
    const struct {
        QString ForAll;
        MessageAnswer Answer;
        QStringList Comments;
    } cases[] = {
        {u"everyone"_s, MessageAnswer::Yes, {u"everyone"_s, u"everyone"_s}},
        {u"others"_s, MessageAnswer::No, {u"mine"_s, u"others"_s}},
        {u"never"_s, MessageAnswer::Cancel, {u"mine"_s, u"others"_s}},
    };
    FFrame.SelectFiles({FFolder.Write(u"dl/a.iff"_s, "a"), FFolder.Write(u"dl/b.iff"_s, "b")});
    WaitForWorkerJob(FFrame);
    auto* tree = Find<TTickTree>("FilesTree");
    auto* comment = Find<QLineEdit>("FileComment");
    for (const auto& c : cases) {
        tree->setCurrentIndex(Node({0, 0, 0}));
        comment->setText(u"mine"_s);
        Q_EMIT comment->textEdited(comment->text());
        tree->setCurrentIndex(Node({0, 0, 1}));
        comment->setText(c.ForAll);
        FUser.ExpectQuestion(c.Answer);
        Find<QPushButton>("CommentAll")->click();
        QStringList comments;
        for (const TickedFile& file : FFrame.TickedFiles())
            comments.append(file.Comment);
        EXPECT_EQ(comments, c.Comments) << static_cast<int>(c.Answer);
        // Return keeps the comments typed for single files.
        EXPECT_EQ(FUser.Messages().last().Default, MessageAnswer::No);
    }
}

TEST_F(TInstallFrameTest, FilesAndFoldersDroppedOnThePictureAreTakenIn) {
    const QString wall = FFolder.Write(u"dl/walls/stone.wll"_s, "stone");
    const QString chair = FFolder.Write(u"dl/chair.iff"_s, "chair");
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(FFolder.Path(u"dl/walls"_s)), QUrl::fromLocalFile(chair),
                      QUrl(u"https://example.invalid/x.iff"_s)}));
    WaitForWorkerJob(FFrame);
    QStringList sources;
    for (const TickedFile& file : FFrame.TickedFiles())
        sources.append(file.SourcePath);
    EXPECT_EQ(sources, QStringList({chair, wall}));
}

TEST_F(TInstallFrameTest, ADroppedZipIsInstalledAndRecordedWithTheCommentGivenToAll) {
    const QString zip = FFolder.Write(u"dl/content.zip"_s,
                                      BuildZipArchive({{.Name = "chair.iff", .Data = "chair"},
                                                       {.Name = "b001body.cmx", .Data = "skin"},
                                                       {.Name = "house01.iff", .Data = "house"},
                                                       {.Name = "fam1.fam", .Data = "family"}}));
    const QString game = FFolder.Path(u"game/"_s);
    FFolder.Write(u"game/UserData/Neighborhood.iff"_s, "hood");
    FFrame.SetVocksPath(game);
    FFrame.SetExpansionFlags({.Expansion = true, .Packs = {true, true, true, true, true}});

    ASSERT_TRUE(Drop({QUrl::fromLocalFile(zip)}));
    WaitForWorkerJob(FFrame);
    ASSERT_EQ(FFrame.InstallStep(), 2);
    TTickTree* tree = Find<TTickTree>("FilesTree");
    tree->TickModel()->SetAllTicks(TickState::Unticked);
    tree->TickModel()->SetAllTicks(TickState::Ticked);
    tree->setCurrentIndex(Node({0, 0, 0, 0}));
    auto* comment = Find<QLineEdit>("FileComment");
    comment->setText(u"a gift"_s);
    Find<QPushButton>("CommentAll")->click();
    FUser.ExpectHoodChoice({HoodChoiceAnswer::Continue, game + u"UserData/"_s});
    const double before = ToDayCount(QDateTime::currentDateTime());
    Find<QPushButton>("Install")->click();
    WaitForWorkerJob(FFrame);
    const double after = ToDayCount(QDateTime::currentDateTime());

    const QMap<QString, QByteArray> installed{{u"GameData/Skins/b001body.cmx"_s, "skin"},
                                              {u"GameData/UserObjects/chair.iff"_s, "chair"},
                                              {u"UserData/Houses/house01.iff"_s, "house"},
                                              {u"UserData/Import/fam1.fam"_s, "family"},
                                              {u"UserData/Neighborhood.iff"_s, "hood"}};
    EXPECT_EQ(FilesBelow(FFolder, u"game/"_s), installed);
    EXPECT_EQ(FUser.HoodQuestions(), QStringList{game});
    EXPECT_EQ(FUser.MessageTexts(), QStringList{u"4 files have been installed to The Vocks."_s});
    const QStringList records{
        u"100 GameData/UserObjects/chair.iff a gift"_s, u"110 UserData/Houses/house01.iff a gift"_s,
        u"120 UserData/Import/fam1.fam a gift"_s, u"130 GameData/Skins/b001body.cmx a gift"_s};
    EXPECT_EQ(RecordLines(FFolder.Path(u"home/files.iff"_s), game), records);
    const double installedAt =
        InstalledFilesDb(FFolder.Path(u"home/files.iff"_s)).Get(ContentKind::Houses, 0).InstalledAt;
    EXPECT_GE(installedAt, before);
    EXPECT_LE(installedAt, after);
    EXPECT_EQ(FFrame.InstallStep(), 1);
    EXPECT_TRUE(Find<QWidget>("MainPanel")->isVisible());
    EXPECT_EQ(FFolder.Contents().filter(u"temp/"_s), QStringList());
}

// A keyboard user reaches the link with Tab and opens it with Enter; a click on the picture,
// which asks for downloads, opens the same dialog.
TEST_F(TInstallFrameTest, TabAndEnterOpenTheLinkAndAClickOnThePictureOpensItToo) {
    FUser.ExpectFileDialog({.Confirmed = false, .Paths = {}});
    FUser.ExpectFileDialog({.Confirmed = false, .Paths = {}});
    QApplication::setActiveWindow(&FFrame);
    FFrame.setFocus();
    QTest::keyClick(&FFrame, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Find<QLabel>("Desc1_1b"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(FUser.FileDialogs().size(), 1);
    QTest::mouseClick(Find<QWidget>("DropImg"), Qt::LeftButton);
    ASSERT_EQ(FUser.FileDialogs().size(), 2);
    EXPECT_EQ(FUser.FileDialogs()[0].Title, u"Select files to install to The Vocks"_s);
    EXPECT_EQ(FUser.FileDialogs()[1].Title, FUser.FileDialogs()[0].Title);
}
