#include "journal/JournalFormat.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(JournalFormat, WritesOneEscapedTabSeparatedLinePerEntry) {
    const JournalHeader header{.Kind = OperationKind::FarPack,
                               .Time = QDateTime(QDate(2026, 12, 7), QTime(17, 30, 5)),
                               .Comment = u"tab\there, back\\slash"_s};
    EXPECT_EQ(HeaderLine(header),
              "packwright-journal\t1\tfar-pack\t2026-12-07T17:30:05\ttab\\there, back\\\\slash\n");
    struct Case {
        StepKind Kind;
        const char* Line;
        QString Target{};
        QString Path = u"/g/a\tb\n.iff"_s;
    };
    const Case cases[] = {
        {StepKind::Create, "create\t7\t/g/a\\tb\\n.iff\n"},
        {StepKind::Folder, "folder\t7\t/g/a\\tb\\n.iff\n"},
        {StepKind::Replace, "replace\t7\t/g/a\\tb\\n.iff\n"},
        {StepKind::Remove, "remove\t7\t/g/a\\tb\\n.iff\n"},
        {StepKind::Rewrite, "rewrite\t7\t/g/a\\tb\\n.iff\n"},
        {StepKind::Move, "move\t7\t/g/a\\tb\\n.iff\t/b/\\\\t.iff\n", u"/b/\\t.iff"_s},
        // A name's stray byte, as a download unpacked under another code page leaves it.
        {StepKind::Remove, "remove\t7\t/g/caf\\xE9.iff\n", {}, u"/g/caf\xDCE9.iff"_s},
        {StepKind::Move, "move\t7\t/g/caf\\xE9.iff\t/b/\\xFF\n", u"/b/\xDCFF"_s,
         u"/g/caf\xDCE9.iff"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepLine({.Kind = c.Kind, .Number = 7, .Path = c.Path, .Target = c.Target}),
                  c.Line);
        const JournalContents read = ParseJournal(HeaderLine(header) + c.Line + CommitLine());
        ASSERT_EQ(read.Steps.size(), 1) << c.Line;
        EXPECT_EQ(read.Steps[0].Kind, c.Kind) << c.Line;
        EXPECT_EQ(read.Steps[0].Path, c.Path);
        EXPECT_EQ(read.Steps[0].Target, c.Target);
        EXPECT_TRUE(read.Committed);
    }
    EXPECT_EQ(CommitLine(), "commit\n");
}

TEST(JournalFormat, ReadsWhatItCanAndSkipsLinesThatAreNotSteps) {
    const QByteArray journal = "packwright-journal\t1\tdelete\t2026-12-07T17:30:00\told\n"
                               "create\t1\t/g/first.iff\n"
                               "explode\t2\t/g/x.iff\n"     // unknown kind
                               "remove\t0\t/g/x.iff\n"      // no step has number 0
                               "remove\tx\t/g/x.iff\n"      // no number
                               "remove\t3\trelative.iff\n"  // not an absolute path
                               "remove\t3\t/g/bad\\q.iff\n" // an escape that means nothing
                               "remove\t3\t/g/\\x41.iff\n"  // a byte that is text
                               "remove\t3\t/g/x.iff\textra\n"
                               "move\t3\t/g/x.iff\n" // a move without its target
                               "move\t3\t/g/x.iff\trelative.iff\n"
                               "create\t3\t/g/x.iff\t/g/y.iff\n"
                               "\n"
                               "remove\t4\t/g/second.iff\n"
                               "commit\textra\n"
                               "rewrite\t5\t/g/cut";
    const JournalContents read = ParseJournal(journal);
    ASSERT_TRUE(read.Header.has_value());
    EXPECT_EQ(read.Header->Kind, OperationKind::Delete);
    EXPECT_EQ(read.Header->Comment, u"old"_s);
    ASSERT_EQ(read.Steps.size(), 2);
    EXPECT_EQ(read.Steps[0].Path, u"/g/first.iff"_s);
    EXPECT_EQ(read.Steps[1].Number, 4);
    EXPECT_EQ(read.Steps[1].Kind, StepKind::Remove);
    EXPECT_FALSE(read.Committed);
}

TEST(JournalFormat, AHeaderThatIsCutOrForeignMakesNoJournal) {
    for (const QByteArray& bytes :
         {""_ba, "packwright-journal\t1\tinstall\t2026-12-07T17:30:00\tx"_ba,
          "packwright-journal\t2\tinstall\t2026-12-07T17:30:00\tx\ncreate\t1\t/a\n"_ba,
          "packwright-journal\t1\tmove\t2026-12-07T17:30:00\tx\ncreate\t1\t/a\n"_ba,
          "create\t1\t/a\ncreate\t2\t/b\n"_ba}) {
        const JournalContents read = ParseJournal(bytes);
        EXPECT_FALSE(read.Header.has_value()) << bytes.toStdString();
        EXPECT_TRUE(read.Steps.isEmpty()) << bytes.toStdString();
    }
}

TEST(JournalFormat, RecordsWhatAStepLeftAndReadsOnlyWellFormedRecords) {
    const QByteArray hash =
        QByteArray::fromHex("2e7d2c03a9507ae265ecf5b5356885a53393a2029d241394997265a1a25aefc6");
    const QByteArray hex = "2e7d2c03a9507ae265ecf5b5356885a53393a2029d241394997265a1a25aefc6";
    EXPECT_EQ(WrittenLine(3, {.Size = 14, .ModifiedMs = 1733592600123, .Hash = hash}),
              "wrote\t3\t14\t1733592600123\t" + hex + '\n');
    const QByteArray journal = "packwright-journal\t1\tinstall\t2026-12-07T17:30:00\t\n"
                               "create\t3\t/g/a.iff\n"
                               "wrote\t3\t14\t1733592600123\t" +
                               hex +
                               "\n"
                               "wrote\t4\t14\t-5\t" +
                               hex +
                               "\n" // before 1970 is a time
                               "wrote\t0\t14\t1\t" +
                               hex +
                               "\n" // no step 0
                               "wrote\t5\t-1\t1\t" +
                               hex +
                               "\n" // no negative size
                               "wrote\t6\t14\t1\t" +
                               hex.left(62) +
                               "\n" // hash cut short
                               "wrote\t7\t14\t1\t" +
                               hex.toUpper() +
                               "\n" // not as written
                               "wrote\t8\t14\t1\t" +
                               hex.left(62) +
                               "zz\n"
                               "wrote\t9\t14\t1\n"
                               "commit\n";
    const JournalContents read = ParseJournal(journal);
    EXPECT_EQ(read.Steps.size(), 1);
    EXPECT_EQ(read.Written.keys().size(), 2);
    EXPECT_EQ(read.Written.value(3),
              (FileState{.Size = 14, .ModifiedMs = 1733592600123, .Hash = hash}));
    EXPECT_EQ(read.Written.value(4).ModifiedMs, -5);
    EXPECT_TRUE(read.Committed);
}

TEST(JournalFormat, AnUndoLineMakesACommittedJournalUncommittedAgain) {
    const QByteArray header = "packwright-journal\t1\tinstall\t2026-12-07T17:30:00\t\n"
                              "create\t1\t/g/a.iff\n";
    EXPECT_EQ(UndoLine(), "undo\n");
    struct Case {
        QByteArray Tail;
        bool Committed;
    };
    const Case cases[] = {
        {"commit\n", true},
        {"commit\nundo\n", false},
        {"commit\nundo", true}, // cut short: the undo never began
        {"undo\n", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseJournal(header + c.Tail).Committed, c.Committed) << c.Tail.toStdString();
}
