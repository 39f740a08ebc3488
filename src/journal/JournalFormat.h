#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The journal of one operation: a header line, one line per step, and a commit line once
// the operation is complete. Lines are UTF-8, fields separated by tabs and escaped as
// TsvField escapes them. Only lines ending in a line break count: a line cut short by a kill
// describes a step that never began.

enum class OperationKind { Install, Delete, FarPack };

enum class StepKind {
    // No file stood at the path; the operation puts one there.
    Create,
    // No folder stood at the path; the operation makes it.
    Folder,
    // The file at the path moves to the keep folder; another takes its place.
    Replace,
    // The file at the path moves to the keep folder for good.
    Remove,
    // A copy of the file goes to the keep folder; the file is then rewritten in place.
    Rewrite,
};

struct JournalHeader {
    OperationKind Kind = OperationKind::Install;
    QDateTime Time;
    QString Comment;
};

// Number names the step's file in the keep folder, whatever the step's kind.
struct JournalStep {
    StepKind Kind = StepKind::Create;
    int Number = 0;
    QString Path;
};

struct JournalContents {
    // Nothing when the first line is missing, cut short or not a journal header.
    std::optional<JournalHeader> Header;
    // The well-formed steps in order; lines that cannot be read are left out.
    QList<JournalStep> Steps;
    bool Committed = false;
};

QByteArray HeaderLine(const JournalHeader& header);
QByteArray StepLine(const JournalStep& step);
QByteArray CommitLine();

JournalContents ParseJournal(const QByteArray& bytes);
