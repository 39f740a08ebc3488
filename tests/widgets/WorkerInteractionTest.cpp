#include "widgets/WorkerInteraction.h"

#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Notes on which thread each question arrives.
class ThreadNotingUser : public ScriptedInteraction {
public:
    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override {
        Note();
        return ScriptedInteraction::ShowMessage(kind, text, buttons, defaultAnswer);
    }
    FileExistsReply AskFileExists(const FileExistsQuestion& question) override {
        Note();
        return ScriptedInteraction::AskFileExists(question);
    }

    bool AllOnWindowThread = true;
    int Asked = 0;

private:
    void Note() {
        ++Asked;
        AllOnWindowThread &= QThread::currentThread() == qApp->thread();
    }
};

class WorkerInteractionTest : public ::testing::Test {
protected:
    // Runs work on a thread of its own, with the window's event loop running meanwhile.
    void RunOnWorker(const std::function<void(Interaction&)>& work) {
        std::unique_ptr<QThread> thread(QThread::create([&] { work(FWorker); }));
        thread->start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return thread->isFinished(); }, 60000));
        thread->wait();
    }

    ThreadNotingUser FUser;
    QObject FContext;
    WorkerInteraction FWorker{FUser, FContext};
};
} // namespace

TEST_F(WorkerInteractionTest, QuestionsFromAWorkerAreAnsweredOnTheWindowThread) {
    FUser.ExpectFileExists({.Answer = FileExistsAnswer::Rename, .NewName = u"b.iff"_s});
    FUser.ExpectQuestion(MessageAnswer::No);
    FileExistsReply reply;
    MessageAnswer answer = MessageAnswer::Ok;
    RunOnWorker([&](Interaction& worker) {
        reply = worker.AskFileExists(
            {.NewPath = u"/dl/a.iff"_s, .ExistingPath = u"/g/a.iff"_s, .Message = {}});
        answer = worker.Ask(MessageKind::Confirmation, u"Go on?"_s, MessageButtons::YesNo);
    });

    EXPECT_EQ(reply.Answer, FileExistsAnswer::Rename);
    EXPECT_EQ(reply.NewName, u"b.iff"_s);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(FUser.Asked, 2);
    EXPECT_TRUE(FUser.AllOnWindowThread);
    ASSERT_EQ(FUser.FileExistsQuestions().size(), 1);
    EXPECT_EQ(FUser.FileExistsQuestions()[0].ExistingPath, u"/g/a.iff"_s);
    EXPECT_EQ(FUser.MessageTexts(), QStringList{u"Go on?"_s});
}

// Changes made in quick succession may be merged, but the last of each shows before the
// window closes, and the window is closed when the worker goes on.
TEST_F(WorkerInteractionTest, ProgressShowsTheLastChangeAndClosesWithTheHandle) {
    bool openAfterClose = true;
    RunOnWorker([&](Interaction& worker) {
        {
            std::unique_ptr<ProgressHandle> progress = worker.BeginProgress(u"Progress"_s);
            for (int percent = 0; percent <= 100; ++percent)
                progress->SetPercent(percent);
            progress->SetMessage(u"Installing"_s);
            progress->ShowBar(false);
        }
        openAfterClose = FUser.ProgressOpen();
    });

    EXPECT_FALSE(openAfterClose);
    ASSERT_FALSE(FUser.Progress().isEmpty());
    const ScriptedInteraction::ProgressStep last = FUser.Progress().last();
    EXPECT_EQ(last.Caption, u"Progress"_s);
    EXPECT_EQ(last.Message, u"Installing"_s);
    EXPECT_EQ(last.Percent, 100);
    EXPECT_FALSE(last.BarShown);
}

TEST_F(WorkerInteractionTest, TheWorkerSeesCancelPressedInTheWindow) {
    for (const bool pressed : {false, true}) {
        SCOPED_TRACE(pressed);
        ThreadNotingUser user;
        if (pressed)
            user.CancelAtPercent(0);
        WorkerInteraction worker(user, FContext);
        bool seen = !pressed;
        RunOnWorker([&](Interaction&) { seen = worker.BeginProgress({})->CancelRequested(); });
        EXPECT_EQ(seen, pressed);
    }
}
