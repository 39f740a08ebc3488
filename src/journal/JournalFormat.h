#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
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
    // The file at the path moves to the step's target, where none stands.
    Move,
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
    // Where a move puts the file; empty for every other kind.
    QString Target{};
};

// Where the step leaves a file: a move's target, else its path.
const QString& ResultPath(const JournalStep& step);
// The files the step changes: a move's path and target, else its path.
QStringList ChangedPaths(const JournalStep& step);

// What a step left at its path when the operation committed, to tell later whether someone
// changed the file since.
struct FileState {
    qint64 Size = 0;
    // Milliseconds since 1970 UTC.
    qint64 ModifiedMs = 0;
    // SHA-256 of the bytes.
    QByteArray Hash;
    bool operator==(const FileState&) const = default;
};

struct JournalContents {
    // Nothing when the first line is missing, cut short or not a journal header.
    std::optional<JournalHeader> Header;
    // The well-formed steps in order; lines that cannot be read are left out.
    QList<JournalStep> Steps;
    // What each step left, by step number; steps whose path held no file at the commit,
    // and every step of a journal written before these lines existed, have none.
    QHash<int, FileState> Written;
    // Complete, and no undo of it has begun.
    bool Committed = false;
};

// The word the journal gives the kind: install, delete or far-pack.
QString OperationKindWord(OperationKind kind);

QByteArray HeaderLine(const JournalHeader& header);
QByteArray StepLine(const JournalStep& step);
QByteArray WrittenLine(int stepNumber, const FileState& state);
QByteArray CommitLine();
// Written after the commit line when the undo of a committed operation begins: the
// operation counts as uncommitted again, so a kill part-way is finished by recovery.
QByteArray UndoLine();

JournalContents ParseJournal(const QByteArray& bytes);
