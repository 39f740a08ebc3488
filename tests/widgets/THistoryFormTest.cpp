#include "widgets/THistoryForm.h"

#include "journal/Operation.h"
#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/WorkerJobWait.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Records, for each progress window, whether it last offered Cancel.
class CancelWatchingUser : public ScriptedInteraction {
public:
    std::unique_ptr<ProgressHandle> BeginProgress(const QString&) override {
        CancelOffered.push_back(true);
        return std::make_unique<Watched>(CancelOffered.back());
    }
    // A deque, so that a window's flag stays where it is as others open.
    std::deque<bool> CancelOffered;

private:
    struct Watched : ProgressHandle {
        explicit Watched(bool& offered) : Offered(offered) {}
        void SetMessage(const QString&) override {}
        void SetPercent(int) override {}
        void ShowBar(bool) override {}
        void ShowCancel(bool shown) override { Offered = shown; }
        bool& Offered;
    };
};

// An install of chair.iff with a comment, then the deletion of lamp.iff, each made through
// the journal's operations as the engines make them; then the history of the two.
class THistoryFormTest : public TempFolderTest {
protected:
    THistoryFormTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        qputenv("PACKWRIGHT_SETTINGS", QFile::encodeName(FFolder.Path(u"settings.ini"_s)));
        FFolder.Write(u"home/files.iff"_s, "db 0");
        FFolder.Write(u"game/lamp.iff"_s, "lamp");
        Change(OperationKind::Install, u"new chairs"_s, [this](Operation& operation) {
            ASSERT_TRUE(operation.Rewrite(Path(u"home/files.iff"_s)));
            FFolder.Write(u"home/files.iff"_s, "db 1");
            ASSERT_TRUE(operation.Create(Path(u"game/chair.iff"_s)));
            FFolder.Write(u"game/chair.iff"_s, "chair");
        });
        Change(OperationKind::Delete, {}, [this](Operation& operation) {
            ASSERT_TRUE(operation.Rewrite(Path(u"home/files.iff"_s)));
            FFolder.Write(u"home/files.iff"_s, "db 2");
            ASSERT_TRUE(operation.Remove(Path(u"game/lamp.iff"_s)));
        });
        FCommitted = CommittedOperations(Path(u"home"_s));
        FForm = std::make_unique<THistoryForm>(Path(u"home"_s), FLanguage, FUser);
    }
    ~THistoryFormTest() override {
        QLocale::setDefault(QLocale::system());
        qunsetenv("PACKWRIGHT_SETTINGS");
    }

    QString Path(const QString& name) const { return FFolder.Path(name); }
    void Change(OperationKind kind, const QString& comment,
                const std::function<void(Operation&)>& steps) {
        OperationStart start;
        start.DataFolder = Path(u"home"_s);
        start.Kind = kind;
        start.Comment = comment;
        Operation operation(start, FLanguage);
        steps(operation);
        ASSERT_TRUE(operation.Commit());
    }

    template <typename T> T& Find(const QString& name) {
        T* widget = FForm->findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return *widget;
    }
    QTreeWidget& List() { return Find<QTreeWidget>(u"OperationList"_s); }
    QStringList Texts(const QTreeWidgetItem& row) {
        QStringList texts;
        for (int column = 0; column < row.columnCount(); ++column)
            texts.append(row.text(column));
        return texts;
    }
    // The times as the list and the messages show them.
    QString ListTime(int operation) const {
        return FCommitted[operation].Header.Time.toString(u"dd/MM/yyyy HH:mm:ss"_s);
    }
    QString MessageTime(int operation) const {
        return FCommitted[operation].Header.Time.toString(u"dd/MM/yyyy HH:mm"_s);
    }
    // Undo on the row, answering the questions that come in turn.
    void Undo(int row, std::initializer_list<MessageAnswer> answers) {
        List().setCurrentItem(List().topLevelItem(row));
        for (MessageAnswer answer : answers)
            FUser.ExpectQuestion(answer);
        Find<QPushButton>(u"Undo"_s).click();
        WaitForWorkerJob(Find<QWidget>(u"HistoryContent"_s));
    }

    EnglishLanguage FLanguage;
    CancelWatchingUser FUser;
    QList<CommittedOperation> FCommitted;
    std::unique_ptr<THistoryForm> FForm;
};
} // namespace

TEST_F(THistoryFormTest, ListsTheChangesNewestFirstAndTheFilesOfTheSelectedOne) {
    ASSERT_EQ(FCommitted.size(), 2);
    EXPECT_EQ(Texts(*List().headerItem()),
              (QStringList{u"Time"_s, u"Change"_s, u"Files"_s, u"Comment or first file"_s}));
    ASSERT_EQ(List().topLevelItemCount(), 2);
    const QString lamp = QDir::toNativeSeparators(Path(u"game/lamp.iff"_s));
    EXPECT_EQ(Texts(*List().topLevelItem(0)),
              (QStringList{ListTime(1), u"Deletion"_s, u"1"_s, lamp}));
    EXPECT_EQ(Texts(*List().topLevelItem(1)),
              (QStringList{ListTime(0), u"Installation"_s, u"1"_s, u"new chairs"_s}));
    EXPECT_EQ(Find<QPlainTextEdit>(u"OperationFiles"_s).toPlainText(), lamp);
    List().setCurrentItem(List().topLevelItem(1));
    EXPECT_EQ(Find<QPlainTextEdit>(u"OperationFiles"_s).toPlainText(),
              QDir::toNativeSeparators(Path(u"game/chair.iff"_s)));
}

TEST_F(THistoryFormTest, UndoTakesTheChangeBackOnlyOnceConfirmed) {
    const QSignalSpy undone(FForm.get(), &THistoryForm::OnOperationUndone);
    const QString question = u"Undo the deletion ("_s + MessageTime(1) +
                             u")? Files it added are deleted, and files it replaced or deleted "
                             "come back."_s;
    Undo(0, {MessageAnswer::No});
    EXPECT_FALSE(QFile::exists(Path(u"game/lamp.iff"_s)));
    EXPECT_EQ(List().topLevelItemCount(), 2);
    EXPECT_EQ(undone.count(), 0);

    Undo(0, {MessageAnswer::Yes});
    EXPECT_EQ(FFolder.Read(u"game/lamp.iff"_s), "lamp");
    EXPECT_EQ(FFolder.Read(u"home/files.iff"_s), "db 1");
    EXPECT_EQ(FFolder.Read(u"game/chair.iff"_s), "chair");
    EXPECT_EQ(FUser.MessageTexts(),
              (QStringList{question, question,
                           u"The deletion ("_s + MessageTime(1) +
                               u") has been undone: the game folder and the installed files "
                               "database are as they were before it."_s}));
    // Return must not undo.
    EXPECT_EQ(FUser.Messages()[0].Default, MessageAnswer::No);
    ASSERT_EQ(List().topLevelItemCount(), 1);
    EXPECT_EQ(List().topLevelItem(0)->text(1), u"Installation"_s);
    EXPECT_EQ(undone.count(), 1);
    // A rollback cannot stop half way.
    EXPECT_EQ(FUser.CancelOffered, std::deque<bool>{false});
}

// Only a changed file may be overridden; a later change must be undone first.
TEST_F(THistoryFormTest, RefusalsNameTheFileAndOnlyAChangedFileMayBeUndoneAnyway) {
    const QString db = QDir::toNativeSeparators(Path(u"home/files.iff"_s));
    Undo(1, {MessageAnswer::Yes});
    ASSERT_EQ(FUser.Messages().size(), 2);
    EXPECT_EQ(FUser.Messages()[1].Kind, MessageKind::Error);
    EXPECT_EQ(FUser.Messages()[1].Text,
              u"The deletion "_s + FCommitted[1].Id + u" ("_s + MessageTime(1) +
                  u") was made later and changed \""_s + db +
                  u"\" too. Please undo it first. Nothing has been changed."_s);

    FFolder.Write(u"game/lamp.iff"_s, "another lamp");
    Undo(0, {MessageAnswer::Yes, MessageAnswer::No});
    ASSERT_EQ(FUser.Messages().size(), 4);
    EXPECT_EQ(FUser.Messages()[3].Kind, MessageKind::Warning);
    EXPECT_EQ(FUser.Messages()[3].Default, MessageAnswer::No);
    EXPECT_EQ(FUser.Messages()[3].Text,
              u"\""_s + QDir::toNativeSeparators(Path(u"game/lamp.iff"_s)) +
                  u"\" has changed since the deletion ("_s + MessageTime(1) +
                  u"). Nothing has been changed.\n\nDo you want to undo it anyway? The changed "
                  "file is then replaced by its earlier version, and what it holds now is lost."_s);
    EXPECT_EQ(FFolder.Read(u"game/lamp.iff"_s), "another lamp");
    EXPECT_EQ(FFolder.Read(u"home/files.iff"_s), "db 2");

    Undo(0, {MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(FFolder.Read(u"game/lamp.iff"_s), "lamp");
    EXPECT_EQ(FFolder.Read(u"home/files.iff"_s), "db 1");
    EXPECT_EQ(List().topLevelItemCount(), 1);
}

TEST_F(THistoryFormTest, RemoveHistoryForgetsEveryChangeOnlyOnceConfirmed) {
    QList<int> rows;
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        FUser.ExpectQuestion(answer);
        Find<QPushButton>(u"RemoveHistory"_s).click();
        WaitForWorkerJob(Find<QWidget>(u"HistoryContent"_s));
        rows.append(List().topLevelItemCount());
    }
    EXPECT_EQ(rows, (QList<int>{2, 0}));
    EXPECT_EQ(FUser.CancelOffered, std::deque<bool>{false});
    // files.iff twice and the lamp, 4 bytes each.
    EXPECT_EQ(FUser.Messages().value(1).Text,
              u"Remove the whole history of changes? The files kept to undo them (12 bytes) are "
              "deleted, which frees that disk space, and none of these changes can be undone any "
              "more."_s);
    EXPECT_EQ(FUser.Messages().value(1).Default, MessageAnswer::No);
    EXPECT_TRUE(CommittedOperations(Path(u"home"_s)).isEmpty());
    EXPECT_EQ(FFolder.Read(u"home/files.iff"_s), "db 2");
    EXPECT_FALSE(Find<QPushButton>(u"Undo"_s).isEnabled());
    EXPECT_EQ(Find<QPlainTextEdit>(u"OperationFiles"_s).toPlainText(),
              u"There are no changes to undo."_s);
}
